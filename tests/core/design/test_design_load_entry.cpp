#include "screenlogic/DesignLoadEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace quarvex;

namespace {

const std::vector<MethodId> kMethods = {
    {"Lcpc", "LCPC"}, {"Schm", "Schmertmann"}, {"DeRuiter", "de Ruiter and Beringen"}, {"Avg", "Average"}};

DesignLoadTexts Texts(std::string load, Basis basis, std::vector<std::string> factors,
                      std::string gamma = "1")
{
    return DesignLoadTexts{std::move(load), basis, std::move(factors), std::move(gamma)};
}

} // namespace

TEST(DesignLoadEntry, DefaultsAndRestore)
{
    const DesignLoadTexts opened = DefaultDesignLoadTexts(4);
    EXPECT_EQ(opened, Texts("", Basis::Allowable, {"2.5", "2.5", "2.5", "2.5"}));

    DesignLoadTexts t = Texts("120", Basis::Factored, {"0.4", "x", "", "0.7"}, "1.25");
    RestoreDefaultFactors(t);
    EXPECT_EQ(t, Texts("120", Basis::Factored, {"0.5", "0.5", "0.5", "0.5"}));

    // Switching basis brings that basis's defaults; choosing the same one keeps the typing.
    t.factors[0] = "0.45";
    SelectBasis(t, Basis::Factored);
    EXPECT_EQ(t.factors[0], "0.45");
    SelectBasis(t, Basis::Allowable);
    EXPECT_EQ(t, Texts("120", Basis::Allowable, {"2.5", "2.5", "2.5", "2.5"}));
}

TEST(DesignLoadEntry, ChecksStopAtTheFirstRefusedBox)
{
    using B = DesignLoadBox;
    const Basis asd = Basis::Allowable;
    const Basis lrfd = Basis::Factored;
    const std::vector<std::string> fs = {"2.5", "2.5", "2.5", "2.5"};
    const std::vector<std::string> phi = {"0.5", "0.5", "0.5", "0.5"};
    struct Case {
        DesignLoadTexts texts;
        std::string message; // empty: accepted
        B focus;
        int index;
    };
    const Case cases[] = {
        {Texts("100", asd, fs), "", B::None, -1},
        {Texts(" 100 ", lrfd, phi, "1.35"), "", B::None, -1},
        {Texts("100", asd, {"1", "2.5", "2.5", "2.5"}), "", B::None, -1},  // FS 1 is allowed
        {Texts("100", lrfd, {"0.5", "1", "0.5", "0.5"}), "", B::None, -1}, // phi 1 is allowed
        {Texts("100", asd, fs, "not read under ASD"), "", B::None, -1},
        {Texts("0", asd, fs), kMsgDesignLoad, B::Load, -1},
        {Texts("-5", asd, fs), kMsgDesignLoad, B::Load, -1},
        {Texts("ten", asd, fs), kMsgDesignLoad, B::Load, -1},
        {Texts("1e40", asd, fs), kMsgDesignLoad, B::Load, -1},
        // The load is checked before any factor.
        {Texts("0", asd, {"0", "0", "0", "0"}), kMsgDesignLoad, B::Load, -1},
        {Texts("100", asd, {"2.5", "", "2.5", "2.5"}), SafetyFactorMessage("Schmertmann"), B::Factor, 1},
        {Texts("100", asd, {"2.5", "2.5", "0", "2.5"}), SafetyFactorMessage("de Ruiter and Beringen"),
         B::Factor, 2},
        {Texts("100", asd, {"2.5", "2.5", "2.5", "0.99"}), SafetyFactorBelowOneMessage("Average"), B::Factor,
         3},
        {Texts("100", asd, {"-3", "0.5", "2.5", "2.5"}), SafetyFactorMessage("LCPC"), B::Factor, 0},
        {Texts("100", lrfd, {"0.5", "1.01", "0.5", "0.5"}), ResistanceFactorAboveOneMessage("Schmertmann"),
         B::Factor, 1},
        {Texts("100", lrfd, {"0.5", "0.5", "0.5", "-0.5"}), ResistanceFactorMessage("Average"), B::Factor, 3},
        {Texts("100", lrfd, {"0.5", "0.5"}), ResistanceFactorMessage("de Ruiter and Beringen"), B::Factor, 2},
        {Texts("100", lrfd, phi, ""), kMsgLoadFactor, B::LoadFactor, -1},
        {Texts("100", lrfd, phi, "0"), kMsgLoadFactor, B::LoadFactor, -1},
    };
    for (const Case& c : cases) {
        const DesignLoadCheck check = CheckDesignLoad(c.texts, kMethods);
        SCOPED_TRACE("load '" + c.texts.load + "', expecting '" + c.message + "'");
        EXPECT_EQ(check.ok, c.message.empty());
        EXPECT_EQ(check.message.text, c.message);
        EXPECT_EQ(check.focus, c.focus);
        EXPECT_EQ(check.factorIndex, c.index);
        EXPECT_EQ(check.basis.has_value(), c.message.empty());
        if (!c.message.empty()) {
            EXPECT_EQ(check.message.icon, MsgIcon::Critical);
        }
    }
}

TEST(DesignLoadEntry, AcceptedTextsGiveTheBasis)
{
    const DesignLoadCheck f =
        CheckDesignLoad(Texts("250.5", Basis::Factored, {"0.45", "0.5", "0.55", "0.6"}, "1.25"), kMethods);
    ASSERT_TRUE(f.basis);
    EXPECT_EQ(f.basis->load, 250.5F);
    EXPECT_EQ(f.basis->basis, Basis::Factored);
    EXPECT_EQ(f.basis->loadFactor, 1.25F);
    ASSERT_EQ(f.basis->methods.size(), 4U);
    EXPECT_EQ(f.basis->methods[2], (MethodFactor{"DeRuiter", "de Ruiter and Beringen", 0.55F}));

    // Under ASD a gamma left in its box does not reach the basis.
    const DesignLoadCheck a =
        CheckDesignLoad(Texts("10", Basis::Allowable, {"3", "3", "3", "3"}, "2"), kMethods);
    ASSERT_TRUE(a.basis);
    EXPECT_EQ(a.basis->loadFactor, 1.0F);

    // An empty load box (blanks too) is no design at all, whatever the factors hold.
    for (const char* empty : {"", "   "}) {
        const DesignLoadCheck none =
            CheckDesignLoad(Texts(empty, Basis::Allowable, {"", "", "", ""}), kMethods);
        EXPECT_TRUE(none.ok);
        EXPECT_FALSE(none.basis);
    }
}

TEST(DesignLoadEntry, FactorListIsOneValueOrOnePerMethod)
{
    std::string error;
    EXPECT_EQ(SplitFactorList("--fs", "3", kMethods, error), (std::vector<std::string>{"3", "3", "3", "3"}));
    EXPECT_EQ(SplitFactorList("--fs", "2.5,3,3.5,2", kMethods, error),
              (std::vector<std::string>{"2.5", "3", "3.5", "2"}));
    // Empty items are kept for the check to refuse with the method's name.
    EXPECT_EQ(SplitFactorList("--phi", "0.5,,0.4,0.6", kMethods, error),
              (std::vector<std::string>{"0.5", "", "0.4", "0.6"}));
    EXPECT_TRUE(error.empty());

    for (const char* wrong : {"2.5,3", "1,2,3", "1,2,3,4,5", ","}) {
        error.clear();
        EXPECT_FALSE(SplitFactorList("--phi", wrong, kMethods, error)) << wrong;
        EXPECT_EQ(error, "--phi takes one value or 4 values separated by commas "
                         "(LCPC,Schmertmann,de Ruiter and Beringen,Average)");
    }
}

TEST(DesignLoadEntry, BatchOptions)
{
    using O = BatchDesignLoadOptions;
    const std::optional<std::string> none;
    struct Case {
        O options;
        std::optional<DesignLoadTexts> expected;
        std::string error;
    };
    const std::vector<std::string> fs = {"2.5", "2.5", "2.5", "2.5"};
    const std::vector<std::string> phi = {"0.5", "0.5", "0.5", "0.5"};
    const Case cases[] = {
        {O{}, Texts("", Basis::Allowable, fs), ""},
        {O{"100", none, none, none, none}, Texts("100", Basis::Allowable, fs), ""},
        {O{"100", "LRFD", none, none, none}, Texts("100", Basis::Factored, phi), ""},
        {O{"100", none, "3,3,2.5,3", none, none}, Texts("100", Basis::Allowable, {"3", "3", "2.5", "3"}), ""},
        // --phi or --gamma alone choose LRFD.
        {O{"100", none, none, "0.45", none}, Texts("100", Basis::Factored, {"0.45", "0.45", "0.45", "0.45"}),
         ""},
        {O{"100", none, none, none, "1.2"}, Texts("100", Basis::Factored, phi, "1.2"), ""},
        // The values themselves are left to the screen's checks.
        {O{"-1", "asd", "0", none, none}, Texts("-1", Basis::Allowable, {"0", "0", "0", "0"}), ""},
        {O{none, none, "3", none, none}, std::nullopt, "--fs needs --load"},
        {O{none, "asd", none, none, none}, std::nullopt, "--basis needs --load"},
        {O{"100", "wsd", none, none, none}, std::nullopt, "--basis takes asd or lrfd, not 'wsd'"},
        {O{"100", "lrfd", "3", none, none}, std::nullopt, "--fs applies to --basis asd; use --phi with lrfd"},
        {O{"100", "asd", none, "0.5", none}, std::nullopt, "--phi applies to --basis lrfd"},
        {O{"100", "asd", none, none, "1.1"}, std::nullopt, "--gamma applies to --basis lrfd"},
        {O{"100", none, "3,3", none, none}, std::nullopt,
         "--fs takes one value or 4 values separated by commas (LCPC,Schmertmann,de Ruiter and "
         "Beringen,Average)"},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto texts = BatchDesignLoadTexts(c.options, kMethods, error);
        EXPECT_EQ(texts, c.expected) << c.error;
        EXPECT_EQ(error, c.error);
    }
}
