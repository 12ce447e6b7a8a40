#pragma once

#include <string>

#include "FoldVenBrowser/ui/SkinDialog.h"

// The program's own modal message: the text word-wrapped and centred on a white panel in the skin frame,
// the dialog as high as the text needs.
class CMessageDlg : public CSkinDialog {
public:
    static constexpr int kWidth = 358;
    static constexpr int kMeasureWidth = 300;
    // A hidden static that holds the message as window text, for screen readers and test drivers.
    static constexpr int kTextControlId = 0xFFFF;

    CMessageDlg(HWND parent, std::string title, std::string message);
    ~CMessageDlg() override;

    // The height the dialog takes for `message`.
    static int HeightFor(const std::string& message);

protected:
    BOOL OnInitDialog() override;
    void PaintContents(HDC dc) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT message) override;

private:
    std::string m_strMessage;
    RECT m_messageRect{};
    HBRUSH m_hWhiteBrush = nullptr;
};

// Shows `text` in a CMessageDlg with an empty title and returns when the user has closed it.
void ShowMessage(HWND parent, const std::string& text);
