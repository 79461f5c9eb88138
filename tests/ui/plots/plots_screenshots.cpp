// Shows both plot screens in a real window on real soundings and saves what
// the user sees: against depth and elevation, zoomed, hovered, and the printed
// pages. Run under a display (for example xvfb-run); the first argument is the
// folder for the pictures.

#include "PlotFixtures.h"
#include "ui/FakeDialogs.h"
#include "ui/charts/DepthChart.h"
#include "ui/plots/FrmPlotConeData.h"
#include "ui/plots/FrmPlotSoil.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolBar>

#include <cstdio>

using namespace quarvex;

namespace {

QString outDir;

void Settle(int ms = 300)
{
    QTest::qWait(ms);
    QApplication::processEvents();
}

void Shot(QWidget& window, const QString& name)
{
    Settle();
    const QPixmap shot = window.screen()->grabWindow(
        0, window.x(), window.y(), window.frameGeometry().width(), window.frameGeometry().height());
    shot.save(outDir + "/" + name);
    std::printf("saved %s\n", qPrintable(name));
}

void Trigger(QWidget& window, const char* key)
{
    for (QAction* a : window.findChild<QToolBar*>("Toolbar1")->actions())
        if (a->objectName() == key)
            a->trigger();
}

void PdfToPng(const QString& pdf, const QString& png)
{
    const QString stem = png.left(png.size() - 4);
    QProcess::execute("pdftoppm", {"-png", "-r", "80", "-singlefile", pdf, stem});
    std::printf("saved %s\n", qPrintable(QFileInfo(png).fileName()));
}

void FillInfo(Project& p, const char* number, const char* title, Single elevation)
{
    p.ProjectNumber = number;
    p.ProjectTitle = title;
    p.CPTStation = "105+20";
    p.StationOffset = "12 ft Lt";
    p.StructNo = "Bent 4";
    p.ProjectDate = "12/10/2026";
    p.CPTNo = "CPT-1";
    p.Company = "Ostrin";
    p.GroundElevation = elevation;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(outDir);

    // A Dutch sounding in metres and MPa, converted as "Plot Cone Data" does,
    // and a Californian one already in feet and tsf.
    Project nl = testing::LoadSample("02_nl_bro_CPT000000063044_m-MPa_comma.txt", 10, true);
    Project us = testing::LoadSample("11_us_alameda_ALC017_ft-tsf_spaces.txt", 9, false);
    if (nl.NumReadings == 0 || us.NumReadings == 0) {
        std::fprintf(stderr, "samples could not be read\n");
        return 1;
    }
    FillInfo(nl, "NL-063044", "Dike reinforcement, pumping station", 3.5F);
    FillInfo(us, "ALC017", "Alameda wharf piles", 11.2F);

    FakeDialogs dialogs;
    {
        FrmPlotConeData cone(nl, dialogs);
        cone.move(0, 0);
        cone.resize(1560, 960);
        cone.show();
        Settle(800);
        Shot(cone, "plots_cone_depth.png");
        Trigger(cone, "Toggle");
        Shot(cone, "plots_cone_elevation.png");
        cone.Chart(2)->ZoomDepthWindow(-10, -40);
        Trigger(cone, "Zoom");
        Shot(cone, "plots_cone_elevation_zoomed.png");
        Trigger(cone, "Zoom");
        Trigger(cone, "Toggle");
        cone.Chart(0)->ZoomDepthWindow(20, 45);
        Trigger(cone, "Zoom");
        Shot(cone, "plots_cone_zoomed.png");
        Trigger(cone, "Zoom");
        auto* combo = cone.findChild<QComboBox*>("Combo1");
        combo->setEditText("64");
        cone.findChild<QPushButton*>("Command1")->click();
        Shot(cone, "plots_cone_limit64.png");
        combo->setEditText("");
        cone.findChild<QPushButton*>("Command1")->click();
        DepthChart* tip = cone.Chart(0);
        const QPoint at = tip->mapTo(&cone, QPoint(tip->width() / 2, tip->height() / 2));
        QTest::mouseMove(&cone, at);
        QTest::mouseMove(tip, QPoint(tip->width() / 2, tip->height() / 2 + 3));
        Settle(900);
        Shot(cone, "plots_cone_hover.png");
        dialogs.pdfPath = outDir + "/plots_cone_print.pdf";
        Trigger(cone, "Print");
        PdfToPng(dialogs.pdfPath, outDir + "/plots_cone_print.png");
    }
    {
        FrmPlotSoil soil(nl, dialogs);
        soil.move(0, 0);
        soil.resize(1560, 960);
        soil.show();
        Settle(800);
        Shot(soil, "plots_soil_depth.png");
        Trigger(soil, "Toggle");
        Shot(soil, "plots_soil_elevation.png");
        dialogs.pdfPath = outDir + "/plots_soil_print.pdf";
        Trigger(soil, "Print");
        PdfToPng(dialogs.pdfPath, outDir + "/plots_soil_print.png");
    }
    {
        us.DepthAxisMode = 1;
        FrmPlotConeData cone(us, dialogs);
        cone.move(0, 0);
        cone.resize(1560, 960);
        cone.show();
        Settle(800);
        Shot(cone, "plots_cone_us_depth.png");
        cone.Chart(1)->ZoomDepthWindow(30, 60);
        Trigger(cone, "Zoom");
        Shot(cone, "plots_cone_us_zoomed.png");
    }
    {
        FrmPlotSoil soil(us, dialogs);
        soil.move(0, 0);
        soil.resize(1560, 960);
        soil.show();
        Settle(800);
        Shot(soil, "plots_soil_us_depth.png");
    }
    for (const Message& m : dialogs.messages)
        std::printf("message: %s\n", m.text.c_str());
    return 0;
}
