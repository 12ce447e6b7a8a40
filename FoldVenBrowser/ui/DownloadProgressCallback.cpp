#include "FoldVenBrowser/ui/DownloadProgressCallback.h"

#include <shlwapi.h>

#include <string>

#include "FoldVenBrowser/ui/FileUpdateDlg.h"

HRESULT CDownloadProgressCallback::OnProgress(ULONG progress, ULONG progressMax, ULONG, LPCWSTR) {
    char done[64] = "";
    char total[64] = "";
    ::StrFormatByteSizeA(progress, done, sizeof(done));
    ::StrFormatByteSizeA(progressMax, total, sizeof(total));
    std::string text;
    int percent = 0;
    if (progressMax != 0) {
        text = std::string("Downloaded.. ") + done + " of " + total + "       ";
        percent = static_cast<int>(static_cast<unsigned long long>(progress) * 100 / progressMax);
    } else {
        text = std::string("Downloaded.. ") + done;
    }
    m_pDialog->PostProgress(text, percent);
    return m_pDialog->StopRequested() ? E_ABORT : S_OK;
}
