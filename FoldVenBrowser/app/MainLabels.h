#pragma once

#include <string>

struct CSessionInfo;

// Texts of the main window's bottom labels and their tooltips, from the logged-in account.
namespace MainLabels {
// "1,234 P": the balance with thousands grouped.
std::string Balance(const CSessionInfo& session);
// "<until> 까지" with a flat-rate plan, else "미신청".
std::string FlatRate(const CSessionInfo& session);
std::string BalanceTip(const CSessionInfo& session);
std::string FlatRateTip(const CSessionInfo& session);
}  // namespace MainLabels

// The search field's placeholder rule: an untouched field shows the placeholder while it does not have
// the focus. Any change of the text, also one the program makes, counts as an edit and ends the rule.
class CSearchPlaceholder {
public:
    explicit CSearchPlaceholder(std::string placeholder) : m_placeholder(std::move(placeholder)) {}

    // The text the field is to show after it gets / loses the focus with `text` in it.
    std::string OnFocus(const std::string& text) const;
    std::string OnBlur(const std::string& text) const;
    void OnChange() { m_edited = true; }
    bool Edited() const { return m_edited; }

private:
    std::string m_placeholder;
    bool m_edited = false;
};
