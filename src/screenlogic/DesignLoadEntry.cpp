#include "screenlogic/DesignLoadEntry.h"

#include "project/NumberText.h"

#include <charconv>
#include <cmath>

namespace quarvex {

namespace {

std::optional<Single> PositiveNumber(std::string_view text)
{
    const auto v = ToSingle(text);
    if (!v || !(*v > 0) || !std::isfinite(*v))
        return std::nullopt;
    return v;
}

DesignLoadCheck Refuse(std::string text, DesignLoadBox focus, int factorIndex = -1)
{
    DesignLoadCheck c;
    c.ok = false;
    c.message = CriticalMessage(std::move(text));
    c.focus = focus;
    c.factorIndex = factorIndex;
    return c;
}

std::string Lower(std::string_view text)
{
    std::string s(text);
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

std::string CountText(std::size_t n)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    return std::string(buf, r.ptr);
}

std::string MethodNameList(std::span<const MethodId> methods)
{
    std::string names;
    for (const MethodId& m : methods) {
        if (!names.empty())
            names += ',';
        names += m.name;
    }
    return names;
}

} // namespace

DesignLoadTexts DefaultDesignLoadTexts(std::size_t methodCount)
{
    DesignLoadTexts t;
    t.factors.resize(methodCount);
    RestoreDefaultFactors(t);
    return t;
}

void RestoreDefaultFactors(DesignLoadTexts& texts)
{
    const std::string factor = ShortestForm(DefaultFactor(texts.basis));
    for (std::string& f : texts.factors)
        f = factor;
    texts.loadFactor = ShortestForm(kDefaultLoadFactor);
}

void SelectBasis(DesignLoadTexts& texts, Basis basis)
{
    if (texts.basis == basis)
        return;
    texts.basis = basis;
    RestoreDefaultFactors(texts);
}

std::string SafetyFactorMessage(std::string_view method)
{
    return "Safety factor (FS) for " + std::string(method) + ": please enter a positive number";
}

std::string SafetyFactorBelowOneMessage(std::string_view method)
{
    return "Safety factor (FS) for " + std::string(method) + " can not be less than 1";
}

std::string ResistanceFactorMessage(std::string_view method)
{
    return "Resistance factor (phi) for " + std::string(method) + ": please enter a positive number";
}

std::string ResistanceFactorAboveOneMessage(std::string_view method)
{
    return "Resistance factor (phi) for " + std::string(method) + " can not be more than 1";
}

DesignLoadCheck CheckDesignLoad(const DesignLoadTexts& texts, std::span<const MethodId> methods)
{
    DesignLoadCheck check;
    // Blanks alone are an empty box to the eye, so they mean no load too.
    if (TrimSpaces(texts.load).empty())
        return check;

    const auto load = PositiveNumber(texts.load);
    if (!load)
        return Refuse(kMsgDesignLoad, DesignLoadBox::Load);

    DesignBasis basis;
    basis.load = *load;
    basis.basis = texts.basis;
    const bool allowable = texts.basis == Basis::Allowable;
    for (std::size_t k = 0; k < methods.size(); ++k) {
        const MethodId& m = methods[k];
        const int index = static_cast<int>(k);
        const auto factor = k < texts.factors.size() ? PositiveNumber(texts.factors[k]) : std::nullopt;
        if (!factor) {
            return Refuse(allowable ? SafetyFactorMessage(m.name) : ResistanceFactorMessage(m.name),
                          DesignLoadBox::Factor, index);
        }
        if (allowable && *factor < 1)
            return Refuse(SafetyFactorBelowOneMessage(m.name), DesignLoadBox::Factor, index);
        if (!allowable && *factor > 1)
            return Refuse(ResistanceFactorAboveOneMessage(m.name), DesignLoadBox::Factor, index);
        basis.methods.push_back(MethodFactor{m.key, m.name, *factor});
    }

    if (!allowable) {
        const auto gamma = PositiveNumber(texts.loadFactor);
        if (!gamma)
            return Refuse(kMsgLoadFactor, DesignLoadBox::LoadFactor);
        basis.loadFactor = *gamma;
    }
    check.basis = std::move(basis);
    return check;
}

std::optional<Basis> ParseBasis(std::string_view text)
{
    const std::string s = Lower(text);
    if (s == "asd")
        return Basis::Allowable;
    if (s == "lrfd")
        return Basis::Factored;
    return std::nullopt;
}

std::optional<std::vector<std::string>> SplitFactorList(std::string_view option, std::string_view text,
                                                        std::span<const MethodId> methods, std::string& error)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        parts.emplace_back(text.substr(start, comma == std::string_view::npos ? text.npos : comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (parts.size() == 1)
        return std::vector<std::string>(methods.size(), parts.front());
    if (parts.size() == methods.size())
        return parts;
    error = std::string(option) + " takes one value or " + CountText(methods.size()) +
            " values separated by commas (" + MethodNameList(methods) + ")";
    return std::nullopt;
}

std::optional<DesignLoadTexts> BatchDesignLoadTexts(const BatchDesignLoadOptions& options,
                                                    std::span<const MethodId> methods, std::string& error)
{
    DesignLoadTexts texts = DefaultDesignLoadTexts(methods.size());
    if (!options.load) {
        const char* stray = options.basis   ? "--basis"
                            : options.fs    ? "--fs"
                            : options.phi   ? "--phi"
                            : options.gamma ? "--gamma"
                                            : nullptr;
        if (stray) {
            error = std::string(stray) + " needs --load";
            return std::nullopt;
        }
        return texts;
    }
    texts.load = *options.load;

    Basis basis = options.phi || options.gamma ? Basis::Factored : Basis::Allowable;
    if (options.basis) {
        const auto parsed = ParseBasis(*options.basis);
        if (!parsed) {
            error = "--basis takes asd or lrfd, not '" + *options.basis + "'";
            return std::nullopt;
        }
        basis = *parsed;
    }
    if (basis == Basis::Factored && options.fs) {
        error = "--fs applies to --basis asd; use --phi with lrfd";
        return std::nullopt;
    }
    if (basis == Basis::Allowable && (options.phi || options.gamma)) {
        error = std::string(options.phi ? "--phi" : "--gamma") + " applies to --basis lrfd";
        return std::nullopt;
    }
    SelectBasis(texts, basis);

    const std::optional<std::string>& factors = basis == Basis::Allowable ? options.fs : options.phi;
    if (factors) {
        auto split = SplitFactorList(basis == Basis::Allowable ? "--fs" : "--phi", *factors, methods, error);
        if (!split)
            return std::nullopt;
        texts.factors = std::move(*split);
    }
    if (options.gamma)
        texts.loadFactor = *options.gamma;
    return texts;
}

} // namespace quarvex
