// Shows the design screens and the results in real windows on a real sounding
// and saves what the user sees, the printed page included. Run under a display
// (for example xvfb-run); the first argument is the folder for the pictures.

#include "DesignFixtures.h"

#include "screenlogic/WorkingView.h"
#include "ui/FakeDialogs.h"
#include "ui/charts/DepthChart.h"
#include "ui/design/FrmCorrection.h"
#include "ui/design/FrmPileDesign.h"
#include "ui/design/FrmPlotResults.h"
#include "ui/design/FrmSoilLayers.h"
#include "ui/design/FrmTipOptions.h"
#include "ui/design/FrmWorking.h"
#include "ui/shell/FrmAbout.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <cstdio>

using namespace quarvex;
using namespace quarvex::testing;

namespace {

QString outDir;

void Settle(int ms = 400)
{
    QTest::qWait(ms);
    QApplication::processEvents();
}

void Shot(QWidget& window, const QString& name)
{
    Settle();
    const QPixmap shot =
        window.screen()->grabWindow(0, window.frameGeometry().x(), window.frameGeometry().y(),
                                    window.frameGeometry().width(), window.frameGeometry().height());
    shot.save(outDir + "/" + name);
    std::printf("saved %s\n", qPrintable(name));
}

void Trigger(QWidget& window, const char* key)
{
    if (auto* a = window.findChild<QAction*>(key))
        a->trigger();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(outDir);

    Project p = DesignReadyProject(kSample11, 9);
    if (p.NumSteps == 0) {
        std::fprintf(stderr, "sample not readable\n");
        return 1;
    }
    p.GroundElevation = 4.9F;
    FakeDialogs dialogs;
    const QString run = QDir(outDir).filePath("design_run_output.dat");
    dialogs.saveResults = {run};

    FrmPileDesign design(p, dialogs);
    design.show();
    design.findChild<QRadioButton*>("OptFileSelect")->click();
    design.findChild<QComboBox*>("CombSection")->setEditText("16");
    design.findChild<QRadioButton*>("OptTopSelect")->click();
    QTest::keyClicks(design.findChild<QLineEdit*>("TxtTopElev"), "10");
    design.findChild<QRadioButton*>("OptDepth")->click();
    QTest::keyClicks(design.findChild<QLineEdit*>("TxtTipElev"), "60");
    design.findChild<QRadioButton*>("OptManLayers")->click();
    Shot(design, "design_screen.png");

    // The layer screen in the middle of the entry, over the design screen.
    {
        FrmSoilLayers layers(p, dialogs, &design);
        layers.show();
        auto* count = layers.findChild<QComboBox*>("CombNumLayers");
        count->setCurrentIndex(2);
        emit count->activated(2);
        QTest::keyClicks(layers.findChild<QLineEdit*>("TxtElev(1)"), "25");
        layers.findChild<QPushButton*>("CmdButton(1)")->click();
        QTest::keyClicks(layers.findChild<QLineEdit*>("TxtElev(1)"), "40");
        Shot(layers, "design_soil_layers.png");
    }
    // The tip options for a pile ending at the bottom of the sounding.
    {
        Project deep = p;
        deep.PileEqDiameter = 1.316F;
        FrmTipOptions tip(deep, dialogs, &design);
        tip.show();
        tip.findChild<QRadioButton*>("Tip_Option(2)")->click();
        QTest::keyClicks(tip.findChild<QLineEdit*>("TxtTipEntry"), "40");
        Shot(tip, "design_tip_options.png");
    }

    // The run itself, with the layers entered on the real layer screen.
    design.SetModalHook([](QDialog& d) {
        QDialog* dialog = &d;
        QTimer::singleShot(300, dialog, [dialog] {
            if (dialog->objectName() == "FrmSoilLayers") {
                auto* count = dialog->findChild<QComboBox*>("CombNumLayers");
                count->setCurrentIndex(2);
                emit count->activated(2);
                QTest::keyClicks(dialog->findChild<QLineEdit*>("TxtElev(1)"), "25");
                dialog->findChild<QPushButton*>("CmdButton(1)")->click();
                QTest::keyClicks(dialog->findChild<QLineEdit*>("TxtElev(1)"), "40");
                dialog->findChild<QPushButton*>("CmdButton(1)")->click();
                dialog->findChild<QPushButton*>("CmdButton(2)")->click();
            } else {
                dialog->findChild<QPushButton*>("CmdNext")->click();
            }
            if (dialog->isVisible())
                dialog->reject();
        });
    });
    FrmPlotResults* results = nullptr;
    QObject::connect(&design, &FrmPileDesign::resultsRequested, [&] {
        results = new FrmPlotResults(p, dialogs, [&design] { return design.MethodValues(); });
        results->show();
    });
    design.findChild<QPushButton*>("CmdDesign")->click();
    for (const Message& m : dialogs.messages)
        std::printf("message: %s\n", m.text.c_str());
    if (results == nullptr) {
        std::fprintf(stderr, "the run opened no results\n");
        return 1;
    }
    Shot(*results, "results_end_bearing.png");

    // Hovering the graph shows depth and capacity of every visible curve.
    DepthChart* chart = results->CapacityChart();
    const QPoint middle(chart->width() / 3, chart->height() / 3);
    QTest::mouseMove(chart->viewport(), middle);
    QMouseEvent move(QEvent::MouseMove, QPointF(middle), chart->viewport()->mapToGlobal(QPointF(middle)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(chart->viewport(), &move);
    Shot(*results, "results_hover.png");

    results->findChild<QRadioButton*>("CapacityOption(1)")->click();
    results->findChild<QCheckBox*>("SchmertCheck")->click();
    Shot(*results, "results_friction.png");
    results->findChild<QCheckBox*>("SchmertCheck")->click();
    results->findChild<QRadioButton*>("CapacityOption(0)")->click();
    Trigger(*results, "Toggle");
    Shot(*results, "results_elevation.png");
    Trigger(*results, "Toggle");

    // Corrections per depth range.
    auto* correction = new FrmCorrection(p, dialogs);
    QObject::connect(correction, &FrmCorrection::correctionsApplied, results,
                     [&] { results->PlotCapacity(p.CapacityMode); });
    correction->show();
    correction->findChild<QRadioButton*>("CorrectionOption(1)")->click();
    auto* combo = correction->findChild<QComboBox*>("ComboSoil");
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    const char* cells[2][4] = {{"10", "30", "1.2", "0.8"}, {"30", "60", "0.9", "1.1"}};
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 4; ++c) {
            correction->EditCell(r, c);
            QTest::keyClicks(correction->findChild<QLineEdit*>("txtFlexGridCell"), cells[r - 1][c - 1]);
        }
    correction->EditCell(2, 4);
    Shot(*correction, "results_correction.png");
    correction->findChild<QPushButton*>("Command2")->click();
    Shot(*results, "results_corrected.png");
    // The toolbar alone: its commands, "Export CSV" among them.
    results->findChild<QToolBar*>("Toolbar1")->grab().save(outDir + "/results_toolbar.png");
    std::printf("saved results_toolbar.png\n");

    // The working of the step nearest 40 ft, as a checker reads it.
    results->ShowWorking(WorkingStepAt(p, 40));
    if (FrmWorking* working = results->Working()) {
        working->resize(720, 860);
        Shot(*working, "results_working.png");
        working->close();
    }
    // The built-in verification report, as the About screen shows it.
    if (QDialog* verification = ShowVerificationReport(nullptr)) {
        verification->resize(1420, 520);
        Shot(*verification, "about_verification.png");
        verification->close();
    }

    dialogs.pdfPath = QDir(outDir).filePath("results_print.pdf");
    Trigger(*results, "Print");
    QProcess::execute("pdftoppm", {"-png", "-r", "70", "-singlefile", dialogs.pdfPath,
                                   QDir(outDir).filePath("results_print")});
    QFile::remove(dialogs.pdfPath);
    QFile::remove(run);
    std::printf("saved results_print.png\n");
    delete results;

    // The same pile with a design load: the group filled in, then the results
    // with the summary and the design curves.
    {
        FakeDialogs loadDialogs;
        const QString loadRun = QDir(outDir).filePath("design_load_output.dat");
        loadDialogs.saveResults = {loadRun};
        FrmPileDesign loaded(p, loadDialogs);
        loaded.show();
        loaded.findChild<QRadioButton*>("OptFileSelect")->click();
        loaded.findChild<QComboBox*>("CombSection")->setEditText("16");
        loaded.findChild<QRadioButton*>("OptTopSelect")->click();
        QTest::keyClicks(loaded.findChild<QLineEdit*>("TxtTopElev"), "10");
        loaded.findChild<QRadioButton*>("OptDepth")->click();
        QTest::keyClicks(loaded.findChild<QLineEdit*>("TxtTipElev"), "60");
        QTest::keyClicks(loaded.findChild<QLineEdit*>("TxtDesignLoad"), "25");
        Shot(loaded, "design_load_screen.png");
        FrmPlotResults* withLoad = nullptr;
        QObject::connect(&loaded, &FrmPileDesign::resultsRequested, [&] {
            withLoad = new FrmPlotResults(p, loadDialogs, [&loaded] { return loaded.MethodValues(); });
            withLoad->show();
        });
        loaded.findChild<QPushButton*>("CmdDesign")->click();
        if (withLoad == nullptr) {
            std::fprintf(stderr, "the run with a load opened no results\n");
            return 1;
        }
        Shot(*withLoad, "results_design_load.png");
        delete withLoad;
        QFile::remove(loadRun);
    }
    return 0;
}
