// SPDX-License-Identifier: MIT
// tesseran-scenes: pictures of the table in representative states, for
// looking at the renderer without a window. It plays the engine forward on a
// virtual clock with a scripted human at seat 3, stops at the moments worth
// seeing (the start screen, a trick of battle 1 with the relation still
// hidden, battle 2 after the seat swap with show cards on the table, open
// mode, a full discard pile at the lowest and the highest angle, the score
// board at the end of a match) and paints each at 1200 x 900 and 640 x 480
// (one also at 1600 x 1200), exactly as the window's paint event would.
//
//   tesseran-scenes --out DIR [--language ja|en]
//
// The card sheet is the data file next to the executable when the art
// generator has made it; otherwise a plain sheet of coloured cells stands in.
#include "base/SettingsStore.h"
#include "common/ScriptedHuman.h"
#include "common/VirtualClockHost.h"
#include "players/CFudaDashi.h"
#include "render/CardBacks.h"
#include "render/TableRenderer.h"
#include "resources/DataFile.h"
#include "resources/Language.h"
#include "resources/QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace tesseran;

// A stand-in sheet: every cell its suit's colour with the card's code on it.
QImage PlainSheet() {
    QImage sheet(11 * 151, 4 * 215, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    const QColor suitColours[4] = {QColor(40, 40, 40), QColor(200, 30, 30), QColor(220, 60, 120),
                                   QColor(30, 30, 120)};
    QFont font;
    font.setPixelSize(40);
    painter.setFont(font);
    for (int code = 0; code < 44; ++code) {
        const QRect cell((code % 11) * 151, (code / 11) * 215, 151, 215);
        painter.fillRect(cell.adjusted(2, 2, -2, -2), QColor(250, 245, 230));
        painter.setPen(suitColours[code / 11]);
        painter.drawRect(cell.adjusted(4, 4, -5, -5));
        painter.drawText(cell, Qt::AlignCenter, QString::number(code));
    }
    return sheet;
}

int CardsOnTable(const GameState& state) {
    int cards = 0;
    for (int card : state.trick) cards += card != NoCard ? 1 : 0;
    return cards;
}

class SceneWriter {
public:
    SceneWriter(TableRenderer& renderer, QString folder) : renderer_(renderer), folder_(std::move(folder)) {}

    // At the recommended and the smallest window size, and on request at the
    // largest, where the stretched picture shows most.
    enum class Sizes { Usual, WithLargest };
    void Shoot(const std::string& name, Sizes sizes = Sizes::Usual) {
        renderer_.RedrawTable(TableLayer::Changed);
        std::vector<QSize> windowSizes = {QSize(1200, 900), QSize(640, 480)};
        if (sizes == Sizes::WithLargest) windowSizes.push_back(QSize(1600, 1200));
        for (const QSize size : windowSizes) {
            QImage window(size, QImage::Format_RGB32);
            window.fill(Qt::black);
            QPainter painter(&window);
            renderer_.SetClientSize(size);
            renderer_.PaintWindow(painter, size);
            painter.end();
            const QString path = QStringLiteral("%1/scene-%2-%3x%4.png")
                                     .arg(folder_, ToQString(name))
                                     .arg(size.width())
                                     .arg(size.height());
            if (!window.save(path))
                std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            else
                std::printf("%s\n", qPrintable(path));
        }
        taken_.insert(name);
    }
    bool Taken(const std::string& name) const { return taken_.count(name) != 0; }
    size_t count() const { return taken_.size(); }

private:
    TableRenderer& renderer_;
    QString folder_;
    std::set<std::string> taken_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    QString folder = QStringLiteral("scenes");
    const QStringList arguments = application.arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--out") && i + 1 < arguments.size()) {
            folder = arguments[++i];
        } else if (arguments[i] == QLatin1String("--language") && i + 1 < arguments.size()) {
            UseLanguage(arguments[++i] == QLatin1String("en") ? Language::English : Language::Japanese);
        } else {
            std::fprintf(stderr, "usage: tesseran-scenes --out DIR [--language ja|en]\n");
            return 2;
        }
    }
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }

    QImage sheet = DecodeCardSheetFile(QCoreApplication::applicationDirPath() + "/" + CardSheetFileName);
    if (sheet.isNull()) {
        std::fprintf(stderr, "no card sheet next to the program; using plain cells\n");
        sheet = PlainSheet();
    }

    MemorySettingsStore store;
    VirtualClockHost host(20 * 3600 + 15 * 60);
    host.answerYes = true;
    CFudaDashi view(host, store);
    CardBacks backs(sheet, store, host);
    if (!backs.BuildBackFan()) {
        std::fprintf(stderr, "the card backs could not be made\n");
        return 1;
    }
    TableRenderer renderer(view, sheet, backs);
    if (!renderer.CreateSurfaces(host)) {
        std::fprintf(stderr, "the table surfaces could not be made\n");
        return 1;
    }
    renderer.BuildFaceStrip();
    SceneWriter scenes(renderer, folder);

    view.StartUp();
    view.OnStartUpTimer();
    renderer.FinishInitialising();
    scenes.Shoot("start");

    // Moments that arise inside the engine's own steps are caught when it
    // repaints or asks.
    host.onRepaint = [&]() {
        if (view.discardCount == DiscardCapacity && !scenes.Taken("pile-9")) {
            const double angle = view.viewAngle;
            view.viewAngle = MinimumAngle;
            scenes.Shoot("pile-9");
            view.viewAngle = MaximumAngle;
            scenes.Shoot("pile-26");
            view.viewAngle = angle;
        }
    };
    constexpr int MatchLimit = 6;
    int matches = 0;
    host.onQuestion = [&]() {
        if (view.scoreShown == 0) return;
        // The end of a match: play on until every scene is found, for a while.
        host.answerYes = ++matches < MatchLimit;
        if (scenes.Taken("score-board")) return;
        bool negative = false;
        for (const auto& row : view.score) {
            for (int points : row) negative = negative || points < 0;
        }
        if (negative) scenes.Shoot("score-board");
    };

    constexpr size_t SceneCount = 7;
    view.StartGame();
    for (long step = 0; step < 1000000 && !host.closed && scenes.count() < SceneCount; ++step) {
        const bool humanWaited = view.currentSeat == HumanSeat && view.busy == 1 && view.HumanMayPlay();
        if (humanWaited) {
            if (!scenes.Taken("battle1-trick") && view.battleNo == 1 && view.relationKnown == 0 &&
                view.leader != HumanSeat && CardsOnTable(view) >= 2 && view.handCount[HumanSeat] <= 8) {
                scenes.Shoot("battle1-trick", SceneWriter::Sizes::WithLargest);
            }
            if (!scenes.Taken("open-mode") && view.gameNo < 4 && view.battleNo == 1 &&
                view.leader != HumanSeat && CardsOnTable(view) >= 1 && view.handCount[HumanSeat] <= 7) {
                view.openMode = 1;
                scenes.Shoot("open-mode");
                view.openMode = 0;
            }
            PlayScriptedHumanTurn(view);
            if (!scenes.Taken("battle2-show") && view.battleNo == 2 && view.phase == 2 &&
                view.shownCount == 1) {
                scenes.Shoot("battle2-show");
            }
        } else if (host.timerRunning) {
            view.TurnTick();
        } else {
            break;
        }
    }

    for (const char* name : {"battle1-trick", "battle2-show", "open-mode", "pile-9", "score-board"}) {
        if (!scenes.Taken(name)) std::fprintf(stderr, "the engine never reached the scene %s\n", name);
    }
    return scenes.count() == SceneCount ? 0 : 1;
}
