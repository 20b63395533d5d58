// SPDX-License-Identifier: MIT
// A data file that is there but damaged (cut short, as by a broken copy) is
// reported by name, and no table without cards is left on the screen.
#include "AppFixture.h"

#include "base/StringTable.h"
#include "render/CardSheet.h"

#include <QFile>

namespace tesseran::testing {
namespace {

class DamagedDataFile : public AppFixture {};

TEST_F(DamagedDataFile, ACutShortDataFileIsReportedAndTheTableDoesNotStart) {
    QFile original(CardSheetDataFile());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << "no data file has been built beside the tests";
    const QByteArray whole = original.readAll();
    for (const qsizetype kept : {whole.size() / 2, qsizetype{1000}}) {
        SCOPED_TRACE(kept);
        QFile damaged(folder.filePath("TesseranSys.dll"));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(whole.left(kept));
        damaged.close();

        shownTexts.clear();
        AnswerMessageBoxes([](const QString&) { return true; });
        frame = std::make_unique<CMainFrame>(*store, true);
        frame->show();
        EXPECT_FALSE(table()->Initialise(damaged.fileName()));
        ASSERT_EQ(shownTexts.size(), 1u);
        EXPECT_EQ(shownTexts[0], "TesseranSys.dll\n" + QString::fromStdString(LoadString(30051)));
        frame.reset();
    }
}

}  // namespace
}  // namespace tesseran::testing
