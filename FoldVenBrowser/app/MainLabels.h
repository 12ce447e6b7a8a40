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

// The search field's placeholder: shown while the field is empty and does not have the focus, gone as
// soon as the user enters the field, and never taken as a keyword. Only a text the program put there as
// the placeholder counts as it: the same words typed by the user are a keyword like any other.
class CSearchPlaceholder {
public:
    explicit CSearchPlaceholder(std::string placeholder) : m_placeholder(std::move(placeholder)) {}

    // The text the field is to show after it gets / loses the focus with `text` in it.
    std::string OnFocus(const std::string& text);
    std::string OnBlur(const std::string& text);
    // Every change of the field's text, the program's own included.
    void OnChange(const std::string& text);
    // What a search takes from the field's text: nothing while the placeholder shows.
    std::string Keyword(const std::string& text) const;

private:
    bool Shows(const std::string& text) const { return m_shown && text == m_placeholder; }

    std::string m_placeholder;
    bool m_shown = false;
};
