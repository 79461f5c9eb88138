// The notes shown by the About screen, written for this program.

#include "ui/shell/FrmAbout.h"

namespace quarvex {

namespace {

// One item of the data-file notes: a line with a middle dot and a tab before it.
QString Bullet(const char* text)
{
    return QStringLiteral("<p class=\"item\">\u00B7\t") + QString::fromUtf8(text) + QStringLiteral("</p>\n");
}

// Where the text announces an equation, the equation itself is left out and
// empty lines keep its place.
const char* const kEquationSpace = "<p>&nbsp;</p><p>&nbsp;</p>\n";

} // namespace

QString AboutDocumentHtml()
{
    QString html;
    html += QStringLiteral(
        "<html><head><style>"
        "body { font-family: Arial, 'Liberation Sans', Helvetica, sans-serif; font-weight: bold; "
        "font-size: 14pt; }"
        "p, li, td, th, h1, h2, h3 { font-family: Arial, 'Liberation Sans', Helvetica, sans-serif; "
        "font-weight: bold; font-size: 14pt; }"
        "p.item { white-space: pre-wrap; margin-left: 12px; }"
        "p.centre { text-align: center; }"
        "td, th { padding: 4px 14px; }"
        "</style></head><body>\n");

    // 1. Title block
    html += QStringLiteral(
        "<p class=\"centre\">Quarvex Geotechnical Software</p>\n"
        "<p class=\"centre\">Velmare Pile Design by Cone Penetration Test Program<br>(Kemrow-CPT)</p>\n"
        "<p class=\"centre\">Version 2.3 &mdash; December 2026</p>\n"
        "<p>&nbsp;</p>\n");

    // 2. Disclaimer
    html += QStringLiteral(
        "<p>Disclaimer:</p>\n"
        "<p>This program was developed at a geotechnical research centre as a tool for the design and "
        "analysis of the axial load capacity of driven precast concrete piles from cone penetration test "
        "(CPT) data. It runs as a desktop program on personal computers. It was produced within the "
        "research project QX-23-1, &quot;Pile Capacity from Cone Penetration Tests&quot; (State Project "
        "No. 736-99-0001). The computational part and the user interface were developed by the Quarvex "
        "project team. The program is an aid to engineering judgement, not a substitute for it: the user "
        "remains responsible for the input data, for the choice of methods and for every result used in a "
        "design, and the developers accept no liability for any use of the program or of its results. "
        "Questions may be sent to: Quarvex Project, Geotechnical Research Centre, P.O. Box 1200, "
        "Riverside Campus; telephone +1 555 0100.</p>\n"
        "<p>&nbsp;</p>\n");

    // 3. Data files
    html += QStringLiteral("<p>Notes on Reading Cone Data Files</p>\n");
    html +=
        Bullet("The data file is an ASCII text file with the extension .txt (the default), .dat or .prn.");
    html += Bullet("Each line of data holds the depth, the cone tip resistance and the sleeve resistance, in "
                   "this order.");
    html += Bullet("The values on a line are separated by commas or by blanks.");
    html += Bullet("Any further columns, such as the pore pressure measured by a piezocone, are ignored.");
    html += Bullet("Before plotting, state how many title lines stand at the top of the file (10 by "
                   "default).");
    html += Bullet("State the units of the file: English units (the default), SI units, or the raw "
                   "millivolts recorded by the instrument.");
    html +=
        Bullet("In SI units the depth is in metres and the tip and sleeve resistances in MPa (MN/m\u00B2); "
               "in English units the depth is in feet and the resistances in tons per square foot "
               "(tsf).");
    html += Bullet("All results are given in English units only.");
    html += QStringLiteral("<p>&nbsp;</p>\n");

    // 4. Design methods
    html += QStringLiteral("<p>NOTES ON PILE DESIGN</p>\n");

    html += QStringLiteral(
        "<p>A. Ultimate Pile Capacity from CPT</p>\n"
        "<p>The ultimate axial capacity of a pile, Qu, is the sum of its end-bearing capacity Qt and its "
        "shaft friction capacity Qs, as given by the following equation, where qt is the unit tip bearing "
        "capacity, At the area of the pile tip, f the unit skin friction and As the area of the pile "
        "shaft:</p>\n");
    html += QString::fromLatin1(kEquationSpace);
    html += QStringLiteral(
        "<p>In sand the end bearing usually carries most of the load; in soft clay the shaft friction does. "
        "The design capacity Qd is the ultimate capacity divided by a factor of safety F.S.:</p>\n");
    html += QString::fromLatin1(kEquationSpace);
    html += QStringLiteral(
        "<p>Three CPT methods are implemented in this program. They are outlined below; the research "
        "report listed in the references gives the details.</p>\n<p>&nbsp;</p>\n");

    html += QStringLiteral(
        "<p>B. Schmertmann Method (1978)</p>\n"
        "<p>The unit tip bearing capacity qt is found from the cone tip resistance qc by averaging, as given "
        "by the following equation:</p>\n");
    html += QString::fromLatin1(kEquationSpace);
    html += QStringLiteral(
        "<p>Here qc1 is the smallest of the average tip resistances taken over zones reaching from 0.7D to "
        "4D below the pile tip (D is the pile diameter), and qc2 is the average of the minimum tip "
        "resistances over a distance of 8D above the tip. The value of qt is limited to 150 tsf "
        "(15 MPa).</p>\n"
        "<p>In clay, the unit skin friction is the sleeve friction fs multiplied by a reduction factor "
        "\u03B1c, which lies between 0.2 and 1.25, as given by the following equation:</p>\n");
    html += QString::fromLatin1(kEquationSpace);
    html += QStringLiteral(
        "<p>In sand, the friction capacity is computed with a correction factor \u03B1s that depends on the "
        "ratio of the depth to the pile width, as given by the following equation:</p>\n");
    html += QString::fromLatin1(kEquationSpace);
    html +=
        QStringLiteral("<p>The unit skin friction f is limited to 1.2 tsf (120 kPa).</p>\n<p>&nbsp;</p>\n");

    html += QStringLiteral(
        "<p>C. De Ruiter and Beringen Method (1979)</p>\n"
        "<p>This method grew out of experience with piles in the North Sea and treats clay and sand by "
        "separate procedures.</p>\n"
        "<p>In clay, the undrained shear strength Su of each layer is derived from the cone tip resistance "
        "qc with a cone factor Nk, which ranges from 15 to 20 according to local experience, as given by "
        "the following equation:</p>\n");
    html += QString::fromLatin1(kEquationSpace);
    html += QStringLiteral(
        "<p>The unit tip bearing capacity uses the bearing capacity factor Nc = 9 and the tip resistance "
        "qc(tip) averaged around the pile tip in the same way as in the Schmertmann method, as given by "
        "the following equation:</p>\n");
    html += QString::fromLatin1(kEquationSpace);
    html += QStringLiteral(
        "<p>The unit skin friction is an adhesion factor \u03B2 (1 for normally consolidated clay, 0.5 for "
        "overconsolidated clay) times Su(side), the undrained shear strength obtained from qc(side), the "
        "average tip resistance along the layer, as given by the following equation:</p>\n");
    html += QString::fromLatin1(kEquationSpace);
    html += QStringLiteral(
        "<p>This program uses Nk = 20 and \u03B2 = 0.5.</p>\n"
        "<p>In sand, qt is found as in the Schmertmann method, and the unit skin friction f of each layer "
        "from the cone data of that layer, as given by the following equation:</p>\n");
    html += QString::fromLatin1(kEquationSpace);
    html += QStringLiteral("<p>The limits are qt at most 150 tsf (15 MPa) and f at most 1.2 tsf (120 "
                           "kPa).</p>\n<p>&nbsp;</p>\n");

    html += QStringLiteral(
        "<p>D. Bustamante and Gianeselli Method (LCPC Method, 1982)</p>\n"
        "<p>This method was derived from the results of 197 pile load tests. The unit tip bearing capacity "
        "qt is an empirical factor kb, between 0.15 and 0.60 depending on the soil type and the way the "
        "pile is installed, times the equivalent tip resistance qeq(tip), as given by the following "
        "equation:</p>\n");
    html += QString::fromLatin1(kEquationSpace);
    html += QStringLiteral(
        "<p>The equivalent tip resistance is found in three steps: (1) qc is averaged over the zone from "
        "1.5D below to 1.5D above the pile tip, giving qca; (2) the readings in that zone higher than "
        "1.3 qca or lower than 0.7 qca are discarded; (3) the remaining readings are averaged.</p>\n"
        "<p>The unit skin friction of each layer follows from the equivalent tip resistance of the layer, "
        "qeq(side), the soil type, the pile type and the installation.</p>\n"
        "<p>Values of the factor kb:</p>\n"
        "<table border=\"1\" cellspacing=\"0\">"
        "<tr><th>Soil type</th><th>Bored piles</th><th>Driven piles</th></tr>"
        "<tr><td>Clay-silt</td><td align=\"center\">0.375</td><td align=\"center\">0.6</td></tr>"
        "<tr><td>Sand-gravel</td><td align=\"center\">0.15</td><td align=\"center\">0.375</td></tr>"
        "<tr><td>Chalk</td><td align=\"center\">0.2</td><td align=\"center\">0.4</td></tr>"
        "</table>\n<p>&nbsp;</p>\n");

    html += QStringLiteral(
        "<p>E. Soil Classification by CPT</p>\n"
        "<p>Clayey soils show a low tip resistance, a high sleeve friction and a high friction ratio; sandy "
        "soils show the opposite. This program classifies the soil with the probabilistic region "
        "estimation method of Zhang and Tumay (1999), which gives the probability of clay, silt and sand at "
        "each depth, modified here for continuous profiling with depth.</p>\n<p>&nbsp;</p>\n");

    html += QStringLiteral(
        "<p>F. Tip Resistance below the Pile Tip</p>\n"
        "<p>The end bearing depends on the tip resistance over a distance yD below the pile tip. When the "
        "analysis reaches the end of the cone readings, the user chooses one of three estimates of the tip "
        "resistance below the last reading: (1) the average tip resistance over 4D above the pile tip; "
        "(2) the last reading at the tip; (3) a value entered by hand.</p>\n<p>&nbsp;</p>\n");

    // 5. References
    html += QStringLiteral(
        "<p>REFERENCES</p>\n"
        "<p>Bustamante, M. and Gianeselli, L. (1982). Pile bearing capacity prediction by means of static "
        "penetrometer CPT. Proceedings of the Second European Symposium on Penetration Testing, Amsterdam, "
        "Vol. 2, pp. 493-500.</p>\n"
        "<p>De Ruiter, J. and Beringen, F. L. (1979). Pile foundations for large North Sea structures. "
        "Marine Geotechnology, Vol. 3, No. 3, pp. 267-314.</p>\n"
        "<p>Schmertmann, J. H. (1978). Guidelines for Cone Penetration Test: Performance and Design. Report "
        "FHWA-TS-78-209, Federal Highway Administration, Washington, D.C.</p>\n"
        "<p>Zhang, Z. and Tumay, M. T. (1999). Statistical to fuzzy approach toward CPT soil "
        "classification. Journal of Geotechnical and Geoenvironmental Engineering, ASCE, Vol. 125, No. 3, "
        "pp. 179-186.</p>\n"
        "<p>Quarvex Project Team (2026). Design of Driven Precast Concrete Piles from Cone Penetration "
        "Test Data: Methods and Program Notes. Research Report QX-23-1, Geotechnical Research Centre.</p>\n");

    html += QStringLiteral("</body></html>\n");
    return html;
}

} // namespace quarvex
