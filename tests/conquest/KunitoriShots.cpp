// SPDX-License-Identifier: MIT
// kunitori-shots: pictures of the conquest window for looking at, drawn
// offscreen with the real window: the overview with a few owners and
// balances, the large map scrolled to the middle, and the player's
// unification (the window during the pause after the banner, and the whole
// large map as it is offered for saving).
//
//   kunitori-shots [--english] [DIR]    (default /tmp/kunitori-shots)
#include "base/StringTable.h"
#include "campaign/Campaign.h"
#include "campaign/map/ProvincePositions.h"
#include "conquest/CKunitori.h"
#include "resources/Language.h"
#include "support/TestHost.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

using namespace tesseran;

class ShotHost : public testing::TestHost {
public:
    void Pause(int milliseconds) override {
        TestHost::Pause(milliseconds);
        if (onPause) onPause();
    }
    std::function<void()> onPause;
};

std::array<QString, EntryCount> Names() {
    std::array<QString, EntryCount> names;
    for (int entry = 0; entry < EntryCount; ++entry) {
        names[entry] = CurrentLanguage() == Language::Japanese ? QString::fromStdString(RosterName(entry))
                                                               : QString::fromUtf8(LatinRosterName(entry));
    }
    return names;
}

bool Save(const QImage& image, const QString& path) {
    const bool saved = image.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QString folder = QStringLiteral("/tmp/kunitori-shots");
    for (int i = 1; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]) == QLatin1String("--english")) {
            UseLanguage(Language::English);
        } else {
            folder = QString::fromLocal8Bit(argv[i]);
        }
    }
    QDir().mkpath(folder);
    bool ok = true;

    // The regulars' message boxes are answered at once; the first is kept as a picture.
    QTimer answerer;
    int boxes = 0;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        if (boxes++ == 0) ok &= Save(box->grab().toImage(), folder + "/regular-message.png");
        std::printf("box: %s / %s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
        box->done(QMessageBox::Ok);
    });
    answerer.start(5);

    MemorySettingsStore store;
    ResetCampaign(store, nullptr);
    const std::array<int, EntryCount> balances = {999, 1000, 30, 10000, 0, 42, 123, 7, 50, 9999};
    for (int entry = 0; entry < EntryCount; ++entry) SetBalance(store, entry, balances[entry]);
    // A few conquests in several colours.
    for (const auto& [province, owner] : std::initializer_list<std::pair<int, int>>{
             {0, 0},  {2, 0},  {6, 1},  {7, 1},  {4, 1},  {16, 4}, {17, 4},
             {12, 6}, {19, 6}, {34, 5}, {36, 8}, {38, 8}, {49, 7}, {53, 7},
             {61, 9}, {68, 9}, {69, 9}, {25, 3}, {26, 3}, {30, 2}, {29, 2}}) {
        SetOwner(store, province, owner);
    }
    {
        ShotHost host;
        CKunitori window(store, host, host, 0, Names(), {});
        if (!window.Open()) return 1;
        window.resize(640, 600);
        window.show();
        ok &= Save(window.grab().toImage(), folder + "/overview-window.png");
        window.resize(489, 538);
        ok &= Save(window.grab().toImage(), folder + "/overview-window-small.png");
        ok &= Save(window.maps().overview(), folder + "/overview-picture.png");
        window.resize(800, 600);
        window.ToggleZoom();
        window.horizontalBar()->setValue(400);
        window.verticalBar()->setValue(800);
        ok &= Save(window.grab().toImage(), folder + "/large-window.png");
        ok &= Save(window.maps().largeMap(), folder + "/large-picture.png");
        window.close();
    }
    {
        // The player owns all but 秋田 and takes it.
        MemorySettingsStore final;
        ResetCampaign(final, nullptr);
        for (int province = 0; province < ProvinceCount; ++province) SetOwner(final, province, 0);
        SetOwner(final, 6, Unowned);
        SetBalance(final, 0, 100);
        ShotHost host;
        host.answers = {true, false};
        CKunitori window(final, host, host, 0, Names(), {});
        if (!window.Open()) return 1;
        window.show();
        host.onPause = [&] {
            window.horizontalBar()->setValue(200);
            window.verticalBar()->setValue(700);
            ok &= Save(window.grab().toImage(), folder + "/unification-window.png");
        };
        window.chooseSaveFile = [&](QWidget*, const QString&, const QString&, const QString&) {
            return folder + "/unification-picture.png";
        };
        window.ToggleZoom();
        const ProvincePosition akita = window.maps().positions()[6];
        const QPoint label(akita.labelX + 3, akita.labelY + 3);
        window.horizontalBar()->setValue(label.x() - 200);
        window.verticalBar()->setValue(label.y() - 200);
        const QPointF client = label - window.scrollPosition() + QPoint(2, 2);
        QMouseEvent press(QEvent::MouseButtonPress, client, window.mapToGlobal(client), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
        std::printf("after: %s\n", qPrintable(window.windowTitle()));
    }
    return ok ? 0 : 1;
}
