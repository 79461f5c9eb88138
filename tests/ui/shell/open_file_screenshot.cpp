// Not a test: saves the open-file screen as it looks after reading a GEF file
// (its note that title lines and units come from the file), grabbed offscreen.
// The first argument is the picture's path.

#include "project/Project.h"
#include "ui/FakeDialogs.h"
#include "ui/shell/FrmOpenFile.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstdlib>

using namespace quarvex;

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: open_file_screenshot PICTURE.png\n");
        return 2;
    }
    Project p;
    CreateHistoryLists(p);
    FakeDialogs dialogs;
    FrmOpenFile screen(p, dialogs);
    screen.resize(1100, 720);
    screen.show();
    dialogs.openResults.push_back(QStringLiteral(QUARVEX_TEST_DATA_DIR "/formats/cpt_voids_kpa.gef"));
    QTest::mouseClick(screen.findChild<QPushButton*>(QStringLiteral("CmdOpenFile")), Qt::LeftButton);
    QTest::qWait(100);
    if (dialogs.messages.size() != 1 || p.NumReadings < 1) {
        std::fprintf(stderr, "the GEF file was not read\n");
        return 1;
    }
    std::printf("%s\n", dialogs.messages[0].text.c_str());
    if (!screen.grab().save(QString::fromLocal8Bit(argv[1])))
        return 1;
    std::printf("saved %s\n", argv[1]);
    return 0;
}
