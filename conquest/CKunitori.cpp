// SPDX-License-Identifier: MIT
#include "conquest/CKunitori.h"
#include "base/ResourceIds.h"
#include "render/GameTerms.h"
#include "resources/Language.h"
#include "resources/QtText.h"

#include "base/StringTable.h"
#include "campaign/Campaign.h"
#include "campaign/RegularsTurn.h"
#include "campaign/map/MapBitmaps.h"
#include "campaign/map/ProvincePositions.h"
#include "engine/Random.h"
#include "render/BoxPlacement.h"
#include "render/ImageFiles.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <utility>

namespace tesseran {

namespace {

// The maps are lettered in the language the program speaks.
MapLettering ProgramMapLettering() {
    return CurrentLanguage() == Language::Japanese ? MapLettering::Japanese : MapLettering::English;
}

constexpr int LineStep = 10;
constexpr int PageStep = 50;
// The scroll ranges run to the map's size plus the band of the scroll bars.
constexpr int ScrollWidth = LargeMapWidth + CKunitori::BarBand;
constexpr int ScrollHeight = LargeMapHeight + CKunitori::BarBand;
constexpr int RandomFills = 500;
// A box opens this far off what it is about; a province counts as this much
// land around its name label.
constexpr int BoxGap = 12;
constexpr int ProvinceMargin = 40;

QString NameOf(int province) { return ProvinceLabel(province); }

QString DefaultSaveFileChooser(QWidget* parent, const QString& title, const QString& initialName,
                               const QString& filter) {
    QFileDialog dialog(parent, title, initialName, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("gif"));
    // An existing file is asked about by the window itself, in its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectNameFilter(filter.split(QStringLiteral(";;")).value(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

const char* const CKunitori::SaveFileTitle =
    QT_TRANSLATE_NOOP("tesseran::CKunitori", "保存するファイルを指定");
const char* const CKunitori::SaveFileInitialName = QT_TRANSLATE_NOOP("tesseran::CKunitori", "無題");
const char* const CKunitori::SaveFileFilter = QT_TRANSLATE_NOOP(
    "tesseran::CKunitori",
    "JPEGファイル(*.jpeg);;GIFファイル(*.gif);;ビットマップファイル(*.bmp);;PNGファイル(*.png);;TIFFファイル("
    "*.tiff)");

CKunitori::CKunitori(SettingsStore& settings, Messages& messages, Clock& clock, int humanEntry,
                     const std::array<QString, EntryCount>& displayNames, std::function<void(int)> playSound,
                     QWidget* parent)
    : QDialog(parent),
      loadBitmap(
          [lettering = ProgramMapLettering()](int bitmap) { return LoadMapBitmap(bitmap, lettering); }),
      chooseSaveFile(DefaultSaveFileChooser),
      settings_(settings),
      messages_(messages),
      clock_(clock),
      humanEntry_(humanEntry),
      displayNames_(displayNames),
      playSound_(std::move(playSound)),
      maps_([this](int bitmap) { return loadBitmap ? loadBitmap(bitmap) : QImage(); },
            ProgramMapLettering()) {
    setWindowTitle(tr("[閲覧]モード"));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(false);

    verticalBar_ = new QScrollBar(Qt::Vertical, this);
    horizontalBar_ = new QScrollBar(Qt::Horizontal, this);
    for (QScrollBar* bar : {verticalBar_, horizontalBar_}) {
        bar->setSingleStep(LineStep);
        bar->setPageStep(PageStep);
        bar->setRange(0, 0);
        bar->setEnabled(false);
    }
    connect(verticalBar_, &QScrollBar::valueChanged, this,
            [this](int position) { SetScrollPosition(Qt::Vertical, position); });
    connect(horizontalBar_, &QScrollBar::valueChanged, this,
            [this](int position) { SetScrollPosition(Qt::Horizontal, position); });

    zoomButton_ = new QPushButton(QStringLiteral("Zoom"), this);
    zoomButton_->setAutoDefault(false);
    zoomButton_->setFocusPolicy(Qt::NoFocus);
    QFont small = zoomButton_->font();
    small.setPixelSize(10);
    zoomButton_->setFont(small);
    connect(zoomButton_, &QPushButton::clicked, this, &CKunitori::ToggleZoom);
}

CKunitori::~CKunitori() = default;

void CKunitori::Run(SettingsStore& settings, Messages& messages, Clock& clock, int humanEntry,
                    const std::array<QString, EntryCount>& displayNames, std::function<void(int)> playSound,
                    QWidget* parent, CampaignChronicle* chronicle) {
    CKunitori window(settings, messages, clock, humanEntry, displayNames, std::move(playSound), parent);
    window.chronicle = chronicle;
    if (!window.Open()) return;
    window.exec();
}

bool CKunitori::Open() {
    scroll_ = QPoint(0, 0);
    QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect desktop = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // A stored size edited by hand or damaged (negative, or many times the
    // desktop) would put the map out of reach: the window keeps to the
    // desktop's free area and to its own minimum.
    const int width = std::clamp(settings_.Read(setting::ConquestWidth), int{MinimumWidth},
                                 std::max(int{MinimumWidth}, desktop.width()));
    const int height = std::clamp(settings_.Read(setting::ConquestHeight), int{MinimumHeight},
                                  std::max(int{MinimumHeight}, desktop.height()));
    int left = settings_.Read(setting::ConquestLeft);
    int top = settings_.Read(setting::ConquestTop);
    left = std::max(0, std::min(left, desktop.width() - width));
    top = std::max(0, std::min(top, desktop.height() - height));

    // The stored size is the outer size of the window; its frame is not known
    // before it is shown, so the main window's frame stands in for it.
    QSize frame(0, 0);
    if (parentWidget() != nullptr && parentWidget()->window()->isVisible()) {
        QWidget* main = parentWidget()->window();
        frame = main->frameGeometry().size() - main->size();
    }
    client_ = QSize(std::max(1, width - frame.width()), std::max(1, height - frame.height()));
    setMinimumSize(MinimumWidth - frame.width(), MinimumHeight - frame.height());
    UpdateScrollRanges();

    if (!maps_.Load()) {
        messages_.ShowMessage(LoadString(text::OutOfMemory), MessageIcon::Stop);
        return false;
    }

    overviewShown_ = true;
    maps_.ColourFromStore(settings_);
    horizontalBar_->setEnabled(false);
    verticalBar_->setEnabled(false);
    move(left, top);
    resize(client_);
    PlaceControls();

    conquering_ = true;
    const QString humanName =
        humanEntry_ >= 0 && humanEntry_ < EntryCount ? displayNames_[humanEntry_] : QString();
    modeTitle_ = tr("[ ｢%1｣ の国盗りモード ]").arg(humanName);
    setWindowTitle(modeTitle_);
    ShowOpeningStatus();

    if (settings_.Read(setting::ConquestZoomed) == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else if (parentWidget() != nullptr) {
        const QPoint centre = parentWidget()->window()->frameGeometry().center();
        move(centre.x() - width / 2, centre.y() - height / 2);
    }
    paintBackground_ = true;
    opened_ = true;
    return true;
}

void CKunitori::ToggleZoom() {
    if (!opened_) return;
    if (overviewShown_) {
        horizontalBar_->setEnabled(true);
        verticalBar_->setEnabled(true);
        overviewShown_ = false;
        RepaintAtOnce();
        if (conquering_) RunRegularsTurn();
    } else {
        horizontalBar_->setEnabled(false);
        verticalBar_->setEnabled(false);
        overviewShown_ = true;
        RepaintAtOnce();
    }
}

QPoint CKunitori::MapPointAt(QPoint clientPoint) const {
    return clientPoint + scroll_ - QPoint(PictureMargin, PictureMargin);
}

int CKunitori::ProvinceAtMapPoint(QPoint mapPoint) const {
    for (int province = 0; province < ProvinceCount; ++province) {
        if (LabelContains(maps_.positions()[province], mapPoint.x(), mapPoint.y())) return province;
    }
    return -1;
}

void CKunitori::Click(QPoint clientPoint) {
    if (!conquering_ || !opened_) return;
    if (overviewShown_) {
        messages_.ShowMessage(LoadString(text::TakeOnLargeMapOnly), MessageIcon::Information);
        return;
    }
    const int province = ProvinceAtMapPoint(MapPointAt(clientPoint));
    if (province < 0) return;
    if (OwnerOf(settings_, province) == humanEntry_ || !HumanMayTake(settings_, humanEntry_, province))
        return;
    if (BalanceOf(settings_, humanEntry_) < ProvincePrice(province)) {
        messages_.ShowMessage(LoadString(text::NotEnoughKoku), MessageIcon::Information);
        return;
    }
    maps_.FillProvince(province, KunitoriMaps::ColourOf(humanEntry_));
    RepaintAtOnce();
    if (playSound_) playSound_(wave::Card);
    Take(settings_, humanEntry_, province, chronicle);
    maps_.DrawLegend(settings_);

    const int target = NextTarget(settings_, humanEntry_);
    if (target == NoTargetLeft) {
        RunHumanUnification();
        return;
    }
    const int balance = BalanceOf(settings_, humanEntry_);
    if (IsProvince(target) && balance < ProvincePrice(target)) conquering_ = false;
    ShowBalanceStatus(target, balance);
    RepaintAtOnce();
}

void CKunitori::RunRegularsTurn() {
    RegularsTurn turn(settings_, chronicle);
    for (;;) {
        const RegularsTurnEvent event = turn.Next();
        if (event.kind == RegularsTurnEvent::Kind::Finished) return;
        const QString name = IsEntry(event.regular) ? displayNames_[event.regular] : QString();
        if (event.kind == RegularsTurnEvent::Kind::Unified) {
            messages_.ShowMessage(ToUtf8(tr("%1が\n%2").arg(name, LoadText(text::Unified))),
                                  MessageIcon::Information);
            if (chronicle != nullptr) chronicle->RecordUnification(event.regular);
            OnUnification(settings_);
            AfterUnification();
            return;
        }
        QMessageBox box(
            QMessageBox::NoIcon, tr("レギュラー ｢%1｣ の国盗り").arg(name),
            tr(" ｢%1｣ を盗ります。\n    (残り : %2)").arg(NameOf(event.province)).arg(event.balanceLeft),
            QMessageBox::Ok, this);
        // The player watches the province change hands: it is scrolled into
        // view and the box opens beside it.
        const QRect province = ScrollProvinceIntoView(event.province);
        box.adjustSize();
        const QSize outer = box.size() + FrameExtra();
        const std::array<QPoint, 4> around = CandidatesAround(province, outer, BoxGap);
        const std::array<QRect, 1> keepClear = {province};
        box.move(PlaceClearOf(outer, AvailableArea(), keepClear, around));
        box.exec();
        maps_.FillProvince(event.province, KunitoriMaps::ColourOf(event.regular));
        turn.CommitTake();
        maps_.DrawLegend(settings_);
        update();
    }
}

QRect CKunitori::ScrollProvinceIntoView(int province) {
    const ProvincePosition position = IsProvince(province) ? maps_.positions()[province] : ProvincePosition{};
    // The label and the fill seed beside it, with room for the land around.
    const QRect onMap = QRect(position.labelX, position.labelY, position.labelWidth, LabelHeight)
                            .adjusted(-ProvinceMargin, -ProvinceMargin, ProvinceMargin, ProvinceMargin);
    if (!overviewShown_) {
        const QSize area(std::max(0, client_.width() - BarBand), std::max(0, client_.height() - BarBand));
        horizontalBar_->setValue(onMap.center().x() - area.width() / 2);
        verticalBar_->setValue(onMap.center().y() - area.height() / 2);
        return QRect(mapToGlobal(onMap.topLeft() - scroll_ + QPoint(PictureMargin, PictureMargin)),
                     onMap.size());
    }
    return QRect(mapToGlobal(QPoint(0, 0)), size());
}

QSize CKunitori::FrameExtra() const {
    const QWidget* framed =
        isVisible() ? this : (parentWidget() != nullptr ? parentWidget()->window() : nullptr);
    return framed != nullptr ? framed->frameGeometry().size() - framed->size() : QSize(0, 0);
}

QRect CKunitori::AvailableArea() const {
    const QScreen* shown = screen();
    return shown != nullptr ? shown->availableGeometry() : QRect(QPoint(0, 0), size());
}

void CKunitori::RunHumanUnification() {
    setWindowState(windowState() | Qt::WindowMaximized);
    if (playSound_) playSound_(wave::Unification);

    // Fireworks: random provinces in random colours.
    paintBackground_ = false;
    Lcg random(static_cast<std::uint32_t>(std::time(nullptr)));
    for (int fill = 0; fill < RandomFills; ++fill) {
        const int province = random.Draw() % ProvinceCount;
        const int red = random.Draw() % 255;
        const int green = random.Draw() % 255;
        const int blue = random.Draw() % 255;
        maps_.FillLargeMapProvince(province, qRgb(red, green, blue));
        RepaintAtOnce();
    }
    const QRgb own = KunitoriMaps::ColourOf(humanEntry_);
    for (int province = 0; province < ProvinceCount; ++province) {
        maps_.FillLargeMapProvince(province, own);
        RepaintAtOnce();
    }
    paintBackground_ = true;

    const QImage banner = maps_.LoadBanner();
    if (banner.isNull()) {
        conquering_ = false;
        return;
    }
    paintBackground_ = false;
    for (int step = 1; step <= KunitoriMaps::BannerSteps; ++step) {
        maps_.DrawBanner(banner, step);
        RepaintAtOnce();
    }
    paintBackground_ = true;

    const std::optional<LocalTime> now = clock_.Now();
    QString stamp;
    if (now) {
        stamp = QString::asprintf("%04d.%02d.%02d %02d:%02d:%02d", now->year, now->month, now->day, now->hour,
                                  now->minute, now->second);
    } else {
        stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd HH:mm:ss"));
    }
    maps_.DrawDateLine(stamp);
    RepaintAtOnce();
    clock_.Pause(1000);

    if (messages_.AskYesNo(LoadString(text::SaveMapPicture)) ||
        !messages_.AskYesNo(LoadString(text::MapPictureLost)))
        SaveImage();

    if (chronicle != nullptr) chronicle->RecordUnification(humanEntry_);
    OnUnification(settings_);
    maps_.ReloadLargeMap();
    AfterUnification();
}

void CKunitori::AfterUnification() {
    SetStatus(tr("初期設定に戻りました。"));
    maps_.BlankProvinces();
    maps_.ColourFromStore(settings_);
    RepaintAtOnce();
    conquering_ = false;
}

void CKunitori::SaveImage() {
    if (!chooseSaveFile) return;
    QString path = chooseSaveFile(this, tr(SaveFileTitle), tr(SaveFileInitialName), tr(SaveFileFilter));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".gif");
    if (QFileInfo::exists(path) && !messages_.AskYesNo(LoadString(text::OverwriteFile))) return;
    bool saved = false;
    {
        WaitCursor wait;
        saved = SaveBitmapAs(maps_.largeMap(), path, LargeMapWidth, LargeMapHeight,
                             QFileInfo(path).suffix().toLower(), messages_);
    }
    if (saved && messages_.AskYesNo(LoadString(text::SavedShowFolder))) OpenFolderOf(path, messages_);
}

void CKunitori::ShowOpeningStatus() {
    const int target = NextTarget(settings_, humanEntry_);
    if (target == NoTargetLeft) {
        SetStatus(tr("盗れる国がありません！！"));
    } else if (target == OwnsNoProvince) {
        SetStatus(tr("この打ち手は自国がないので国盗りできません！！"));
    } else {
        ShowBalanceStatus(target, BalanceOf(settings_, humanEntry_));
    }
}

void CKunitori::ShowBalanceStatus(int target, int balance) {
    QString status = tr("現在の石数: %1 ").arg(balance);
    if (balance < ProvincePrice(target)) {
        status += tr(" 石数不足で、盗れる国がありません！！");
    } else {
        status += tr(" ｢%1｣ が盗れます。").arg(NameOf(target));
    }
    SetStatus(status);
}

void CKunitori::SetStatus(const QString& status) {
    setWindowTitle(modeTitle_ + QStringLiteral(" ... ") + status);
}

void CKunitori::UpdateScrollRanges() {
    const QSignalBlocker blockHorizontal(horizontalBar_);
    const QSignalBlocker blockVertical(verticalBar_);
    horizontalBar_->setRange(0, std::max(0, ScrollWidth - client_.width()));
    verticalBar_->setRange(0, std::max(0, ScrollHeight - client_.height()));
    scroll_ = QPoint(std::clamp(scroll_.x(), 0, horizontalBar_->maximum()),
                     std::clamp(scroll_.y(), 0, verticalBar_->maximum()));
    horizontalBar_->setValue(scroll_.x());
    verticalBar_->setValue(scroll_.y());
}

void CKunitori::PlaceControls() {
    const int width = client_.width();
    const int height = client_.height();
    horizontalBar_->setGeometry(PictureMargin, height - 17, std::max(0, width - 46), 15);
    verticalBar_->setGeometry(width - 17, PictureMargin, 15, std::max(0, height - BarBand));
    zoomButton_->setGeometry(width - 42, height - 17, 40, 15);
}

void CKunitori::SetScrollPosition(Qt::Orientation orientation, int position) {
    QScrollBar* bar = orientation == Qt::Horizontal ? horizontalBar_ : verticalBar_;
    const int limit = orientation == Qt::Horizontal ? std::max(0, ScrollWidth - client_.width())
                                                    : std::max(0, ScrollHeight - client_.height());
    position = std::clamp(position, 0, limit);
    if (orientation == Qt::Horizontal) {
        scroll_.setX(position);
    } else {
        scroll_.setY(position);
    }
    {
        const QSignalBlocker block(bar);
        bar->setValue(position);
    }
    paintBackground_ = false;
    RepaintAtOnce();
    paintBackground_ = true;
}

void CKunitori::RepaintAtOnce() {
    if (isVisible()) repaint();
}

void CKunitori::paintEvent(QPaintEvent*) {
    if (!opened_) return;
    QPainter painter(this);
    const int width = client_.width();
    const int height = client_.height();
    const QSize area(std::max(0, width - BarBand), std::max(0, height - BarBand));
    if (overviewShown_) {
        painter.fillRect(QRect(QPoint(PictureMargin, PictureMargin), area), QColor::fromRgb(BackgroundGrey));
        // The whole overview centred when it fits, else its centre part.
        QRect source(0, 0, OverviewWidth, OverviewHeight);
        QPoint target(PictureMargin, PictureMargin);
        if (area.width() >= OverviewWidth + 1) {
            target.setX((width - (OverviewWidth + BarBand)) / 2 + PictureMargin);
        } else {
            source.setLeft((OverviewWidth + BarBand - width) / 2);
            source.setWidth(area.width());
        }
        if (area.height() > OverviewHeight) {
            target.setY((height - (OverviewHeight + BarBand)) / 2 + PictureMargin);
        } else {
            source.setTop((OverviewHeight + BarBand - height) / 2);
            source.setHeight(area.height());
        }
        painter.drawImage(target, maps_.overview(), source);
    } else {
        if (paintBackground_) painter.fillRect(rect(), Qt::white);
        painter.drawImage(QPoint(PictureMargin, PictureMargin), maps_.largeMap(), QRect(scroll_, area));
    }
}

void CKunitori::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // Every paint draws the whole client area afresh, so a shrinking window
    // leaves no stale picture behind that would have to be greyed out first.
    client_ = event->size();
    if (LargeMapWidth - scroll_.x() < client_.width() - BarBand) {
        scroll_.setX(std::max(0, ScrollWidth - client_.width()));
    }
    if (LargeMapHeight - scroll_.y() < client_.height() - BarBand) {
        scroll_.setY(std::max(0, ScrollHeight - client_.height()));
    }
    PlaceControls();
    UpdateScrollRanges();
    RepaintAtOnce();
}

void CKunitori::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Click(event->position().toPoint());
        return;
    }
    QDialog::mousePressEvent(event);
}

void CKunitori::done(int result) {
    if (opened_) SavePlacement();
    QDialog::done(result);
}

void CKunitori::SavePlacement() {
    const bool zoomed = isMaximized();
    settings_.Write(setting::ConquestZoomed, zoomed ? 1 : 0);
    // The outer rectangle; when maximised, the one the window returns to.
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    QRect placement = outer;
    if (zoomed) {
        placement = normalGeometry().adjusted(outer.left() - inner.left(), outer.top() - inner.top(),
                                              outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    settings_.Write(setting::ConquestLeft, std::max(0, placement.left()));
    settings_.Write(setting::ConquestTop, std::max(0, placement.top()));
    settings_.Write(setting::ConquestWidth, placement.width());
    settings_.Write(setting::ConquestHeight, placement.height());
    settings_.Sync();
}

}  // namespace tesseran
