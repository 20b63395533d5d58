// SPDX-License-Identifier: MIT
#include "dialogs/CBackSet.h"

#include "base/ResourceIds.h"
#include "base/StringTable.h"
#include "dialogs/DialogLook.h"
#include "render/CardSheet.h"
#include "resources/ResourceCatalogue.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QUrl>
#include <QVBoxLayout>

#include <utility>

namespace tesseran {

namespace {

constexpr int OwnPictureChoice = CardBacks::CustomBackChoice;

// A little smaller than a card, so that all five fit side by side.
constexpr QSize PreviewFrameSize(112, 160);
// Room around each frame for the mark of the selected preview.
constexpr int SelectionMargin = 5;

constexpr std::array<const char*, CBackSet::PresetCount> PresetCaptions = {
    QT_TRANSLATE_NOOP("tesseran::CBackSet", "青海波(&1)"),
    QT_TRANSLATE_NOOP("tesseran::CBackSet", "麻の葉(&2)"),
    QT_TRANSLATE_NOOP("tesseran::CBackSet", "朱塗り梅紋(&3)"),
    QT_TRANSLATE_NOOP("tesseran::CBackSet", "亀甲星(&4)")};

// A preview frame only shows what the dialog paints into it: clicks, double
// clicks and drops fall through to the dialog, which tests them against the
// frames' rectangles.
class PreviewFrame : public QWidget {
public:
    PreviewFrame(std::function<void(QPainter&)> paintContents, QWidget* parent)
        : QWidget(parent), paint(std::move(paintContents)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint(painter);
    }

private:
    std::function<void(QPainter&)> paint;
};

QString DefaultFileChooser(QWidget* parent, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

// The local file a drop carries first, or the empty text.
QString FirstDroppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile()) return {};
    return urls.first().toLocalFile();
}

}  // namespace

const char* const CBackSet::PictureFileTitle =
    QT_TRANSLATE_NOOP("tesseran::CBackSet", "イメージファイルを指定");

const char* const CBackSet::PictureFileFilter = QT_TRANSLATE_NOOP(
    "tesseran::CBackSet",
    "イメージファイル(jpeg, gif, bmp, png, tiff) (*.jpg *.jpeg *.gif *.bmp *.png *.tif *.tiff);;"
    "JPEGファイル(*.jpeg) (*.jpg *.jpeg);;"
    "GIFファイル(*.gif) (*.gif);;"
    "ビットマップファイル(*.bmp) (*.bmp);;"
    "PNGファイル(*.png) (*.png);;"
    "TIFFファイル(*.tiff) (*.tif *.tiff)");

CBackSet::CBackSet(const QImage& sheet, CardBacks& backs, SettingsStore& settings, Messages& messages,
                   std::function<void(int)> playSound, QWidget* parent)
    : QDialog(parent),
      cardSheet(sheet),
      cardBacks(backs),
      store(settings),
      messageBoxes(messages),
      clickSoundPlayer(std::move(playSound)),
      fileChooser(DefaultFileChooser) {
    setWindowTitle(tr("カード背面の設定"));
    setObjectName(QStringLiteral("backSetDialog"));
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")});
    setFont(dialogFont);
    setAcceptDrops(true);

    auto* prompt = new QLabel(tr("カードの背面に設定したいイメージを選択してください。"), this);
    prompt->setObjectName(QStringLiteral("promptLabel"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(6);
    for (int preview = 0; preview < PreviewCount; ++preview) {
        auto* frame = new PreviewFrame(
            [this, preview](QPainter& painter) {
                PaintPreview(painter, preview, frames[static_cast<size_t>(preview)]->pos());
            },
            this);
        frame->setFixedSize(PreviewFrameSize);
        frame->setObjectName(preview == CustomPreview ? QStringLiteral("customFrame")
                                                      : QStringLiteral("presetFrame%1").arg(preview + 1));
        if (preview != CustomPreview) frame->setCursor(Qt::PointingHandCursor);
        frames[static_cast<size_t>(preview)] = frame;

        auto* radio =
            new QRadioButton(preview == CustomPreview ? tr("自由設定イメージ(&5)")
                                                      : tr(PresetCaptions[static_cast<size_t>(preview)]),
                             this);
        radio->setObjectName(preview == CustomPreview ? QStringLiteral("customRadio")
                                                      : QStringLiteral("presetRadio%1").arg(preview + 1));
        connect(radio, &QRadioButton::clicked, this, [this] {
            if (clickSoundPlayer) clickSoundPlayer(wave::Click);
        });
        // The mark of the selected preview follows the radio buttons.
        connect(radio, &QRadioButton::toggled, this, [this] { update(); });
        radios[static_cast<size_t>(preview)] = radio;

        grid->addWidget(frame, 0, preview, Qt::AlignHCenter | Qt::AlignBottom);
        grid->addWidget(radio, 1, preview, Qt::AlignHCenter | Qt::AlignTop);
    }

    frameCheckBox = new QCheckBox(tr("カード外周に枠線を付ける(&W)"), this);
    frameCheckBox->setObjectName(QStringLiteral("frameCheckBox"));
    connect(frameCheckBox, &QCheckBox::toggled, this, &CBackSet::SetFrameOption);
    grid->addWidget(frameCheckBox, 2, 0, 1, PresetCount, Qt::AlignLeft | Qt::AlignVCenter);

    changeButton = new QPushButton(tr("変更(&P)"), this);
    changeButton->setObjectName(QStringLiteral("changeButton"));
    changeButton->setAutoDefault(false);
    changeButton->setMinimumWidth(PreviewFrameSize.width());
    connect(changeButton, &QPushButton::clicked, this, &CBackSet::ChoosePictureFile);
    grid->addWidget(changeButton, 2, CustomPreview, Qt::AlignHCenter | Qt::AlignTop);

    auto* note =
        new QLabel(tr("※ 自由設定イメージを変更したい場合は、「変更」ボタンをクリックしてファイルを"
                      "選択してください。\n\n 黒枠内に直接ファイルをドラッグ＆ドロップしてセットすることも"
                      "できます。"),
                   this);
    note->setObjectName(QStringLiteral("noteLabel"));
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);

    okButton = new QPushButton(ButtonIcon(bitmap::SavePicture), tr("保存終了(&S)"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setIconSize(QSize(32, 32));
    okButton->setMinimumSize(132, 44);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, [this] { Save(); });

    cancelButton = new QPushButton(ButtonIcon(bitmap::CancelPicture), tr("中止(&C)"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setIconSize(QSize(32, 32));
    cancelButton->setMinimumSize(132, 44);
    cancelButton->setAutoDefault(false);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(okButton);
    bottom->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(prompt);
    layout->addSpacing(SelectionMargin);
    layout->addLayout(grid);
    layout->addSpacing(2);
    layout->addWidget(note);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The stored choice: "BackSet" 1..4 check the second to fifth button,
    // anything else the first.
    const int stored = store.Read(setting::CardBack);
    radios[static_cast<size_t>(stored >= 1 && stored <= OwnPictureChoice ? stored : 0)]->setChecked(true);
    picturePresent = cardBacks.LoadCustomBack();
    frameOption = store.Read(setting::CardFrame);
    {
        // Setting the box from the store is no change of the player's.
        const QSignalBlocker blocker(frameCheckBox);
        frameCheckBox->setChecked(frameOption != 0);
    }
    changed = false;
    RefreshPreviews();
    // The frames' rectangles are the hit rectangles from the start, before
    // the dialog is first shown.
    layout->activate();
}

bool CBackSet::Run(const QImage& sheet, CardBacks& backs, SettingsStore& settings, Messages& messages,
                   std::function<void(int)> playSound, QWidget* parent) {
    CBackSet dialog(sheet, backs, settings, messages, std::move(playSound), parent);
    dialog.exec();
    return dialog.ApplyAfterClose();
}

QRect CBackSet::FitPicture(const QRect& frame) {
    const int width = frame.width();
    const int height = frame.height();
    if (width > CardWidth && height > CardHeight) {
        return QRect(frame.left() + (width - CardWidth) / 2, frame.top() + (height - CardHeight) / 2,
                     CardWidth, CardHeight);
    }
    const double widthScale = static_cast<double>(width) / CardWidth;
    const double heightScale = static_cast<double>(height) / CardHeight;
    if (heightScale > widthScale) {
        const int fittedHeight = static_cast<int>(widthScale * CardHeight);
        return QRect(frame.left(), frame.top() + (height - fittedHeight) / 2, width, fittedHeight);
    }
    const int fittedWidth = static_cast<int>(heightScale * CardWidth);
    return QRect(frame.left() + (width - fittedWidth) / 2, frame.top(), fittedWidth, height);
}

bool CBackSet::LoadPictureFromFile(const QString& path) {
    if (!cardBacks.ImportPicture(path)) return false;
    picturePresent = true;
    changed = true;
    radios[CustomPreview]->setChecked(true);
    RefreshPreviews();
    return true;
}

void CBackSet::SelectPreview(int preview) {
    if (preview < 0 || preview >= PreviewCount) return;
    radios[static_cast<size_t>(preview)]->setChecked(true);
    if (clickSoundPlayer) clickSoundPlayer(wave::Click);
}

int CBackSet::Selection() const {
    for (int preview = 1; preview < PreviewCount; ++preview) {
        if (radios[static_cast<size_t>(preview)]->isChecked()) return preview;
    }
    return 0;
}

bool CBackSet::Save() {
    const int selection = Selection();
    if (selection == OwnPictureChoice) {
        if (!picturePresent) {
            messageBoxes.ShowMessage(LoadString(text::NoOwnPicture), MessageIcon::Stop);
            return false;
        }
        if (changed) cardBacks.KeepCustomBack();
    }
    if (StoreChoice(selection)) changed = true;
    accept();
    return true;
}

bool CBackSet::StoreChoice(int choice) {
    bool written = false;
    if (choice != store.Read(setting::CardBack)) {
        store.Write(setting::CardBack, choice);
        written = true;
    }
    if (frameOption != store.Read(setting::CardFrame)) {
        store.Write(setting::CardFrame, frameOption);
        written = true;
    }
    // The choice and the frame option belong together: both are committed at once.
    if (written) store.Sync();
    return written;
}

bool CBackSet::ApplyAfterClose() {
    const bool changedOnOk = result() == QDialog::Accepted && changed;
    return cardBacks.ApplyChoice(changedOnOk ? CardBacks::Choice::Changed : CardBacks::Choice::Kept);
}

void CBackSet::SetFileChooser(FileChooser chooser) {
    fileChooser = chooser ? std::move(chooser) : FileChooser(DefaultFileChooser);
}

QRect CBackSet::HitRectangle(int preview) const {
    if (preview < 0 || preview >= PreviewCount) return {};
    return frames[static_cast<size_t>(preview)]->geometry();
}

QRect CBackSet::PictureRectangle(int preview) const {
    const QRect frame = HitRectangle(preview);
    return frame.isNull() ? QRect() : FitPicture(frame);
}

void CBackSet::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // A mark around the frame of the selected preview, so that the choice
    // shows at the pictures as well as at the radio buttons.
    const QRect selected = HitRectangle(Selection());
    if (selected.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(palette().color(QPalette::Highlight), 2.5);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal margin = SelectionMargin - 1.5;
    painter.drawRoundedRect(QRectF(selected).adjusted(-margin, -margin, margin, margin), 4, 4);
}

void CBackSet::mousePressEvent(QMouseEvent* event) {
    const int preview = PreviewAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || preview < 0) {
        QDialog::mousePressEvent(event);
        return;
    }
    SelectPreview(preview);
    event->accept();
}

void CBackSet::mouseDoubleClickEvent(QMouseEvent* event) {
    const int preview = PreviewAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || preview < 0) {
        QDialog::mouseDoubleClickEvent(event);
        return;
    }
    radios[static_cast<size_t>(preview)]->setChecked(true);
    event->accept();
    Save();
}

void CBackSet::dragEnterEvent(QDragEnterEvent* event) { dragMoveEvent(event); }

void CBackSet::dragMoveEvent(QDragMoveEvent* event) {
    // Only the black frame takes files; elsewhere the pointer shows that a
    // drop would do nothing.
    const QRect dropFrame = HitRectangle(CustomPreview);
    const bool accepted =
        !FirstDroppedFile(event->mimeData()).isEmpty() && dropFrame.contains(event->position().toPoint());
    if (accepted) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
    SetDropHighlight(accepted);
}

void CBackSet::dragLeaveEvent(QDragLeaveEvent* event) {
    SetDropHighlight(false);
    event->accept();
}

void CBackSet::dropEvent(QDropEvent* event) {
    SetDropHighlight(false);
    const QString path = FirstDroppedFile(event->mimeData());
    if (path.isEmpty() || !HitRectangle(CustomPreview).contains(event->position().toPoint())) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    LoadPictureFromFile(path);
}

void CBackSet::ChoosePictureFile() {
    const QString path = fileChooser(this, tr(PictureFileTitle), tr(PictureFileFilter));
    if (!path.isEmpty()) LoadPictureFromFile(path);
}

void CBackSet::SetFrameOption(bool on) {
    frameOption = on ? 1 : 0;
    RefreshPreviews();
}

void CBackSet::SetDropHighlight(bool on) {
    if (dropHighlight == on) return;
    dropHighlight = on;
    frames[CustomPreview]->update();
}

void CBackSet::PaintPreview(QPainter& painter, int preview, const QPoint& frameOrigin) const {
    const QRect local(QPoint(0, 0), PreviewFrameSize);
    const bool own = preview == CustomPreview;

    // The presets lie on a slightly sunken ground; the player's picture on
    // the black frame (黒枠) that also takes dropped files.
    painter.fillRect(local, own ? QColor(Qt::black) : palette().color(QPalette::Window).darker(106));
    if (own && dropHighlight) {
        QColor highlight = palette().color(QPalette::Highlight);
        highlight.setAlpha(90);
        painter.fillRect(local, highlight);
    }
    painter.setPen(QPen(own ? QColor(Qt::black) : palette().color(QPalette::Mid), 1));
    if (own && dropHighlight) painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(local.adjusted(0, 0, -1, -1));

    const QRect picture = FitPicture(HitRectangle(preview)).translated(-frameOrigin);
    bool drawn = false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!own && !cardSheet.isNull()) {
        painter.drawImage(picture, cardSheet, CardCell(PresetBackCodes[static_cast<size_t>(preview)]));
        drawn = true;
    } else if (own && picturePresent && !cardBacks.currentBack().isNull()) {
        painter.drawImage(picture, cardBacks.currentBack());
        drawn = true;
    }
    if (drawn && frameOption != 0) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor::fromRgb(BackFrameColour), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(picture.adjusted(0, 0, -1, -1));
    }
}

int CBackSet::PreviewAt(const QPoint& position) const {
    for (int preview = 0; preview < PreviewCount; ++preview) {
        if (HitRectangle(preview).contains(position)) return preview;
    }
    return -1;
}

void CBackSet::RefreshPreviews() {
    // The pointing hand shows where a click chooses a picture; over the black
    // frame only while it holds one.
    if (picturePresent) {
        frames[CustomPreview]->setCursor(Qt::PointingHandCursor);
    } else {
        frames[CustomPreview]->unsetCursor();
    }
    for (QWidget* frame : frames) frame->update();
}

}  // namespace tesseran
