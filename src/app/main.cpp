// quarvex: the desktop program. One project per run, one navigator that leads
// through the screens; the run ends when the navigator says so.

#include "project/Project.h"
#include "ui/shell/Navigator.h"
#include "ui/shell/QtDialogs.h"
#include "ui/shell/ScreenHelpers.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarvex"));
    QApplication::setApplicationVersion(QStringLiteral("2.3"));
    // Screens open and close one another; only the navigator decides when the run ends.
    QApplication::setQuitOnLastWindowClosed(false);

    // An optional data file to read at once (from scripts/run.sh or a file manager).
    QString fileToOpen;
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) {
        const QFileInfo info(args.at(1));
        fileToOpen = info.absoluteFilePath();
    }

    auto project = std::make_unique<quarvex::Project>();
    quarvex::QtDialogs dialogs;
    quarvex::Navigator navigator(*project, dialogs);
    navigator.SetSamplesDir(quarvex::SamplesDirectory());
    QObject::connect(&navigator, &quarvex::Navigator::programEnded, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    navigator.Start(fileToOpen);
    return QApplication::exec();
}
