#pragma once

#include "FoldVenBrowser/ui/BindStatusSink.h"

class CFileUpdateDlg;

// The installer download's progress sink: turns byte counts into the dialog's status text and bar. It
// lives on the worker thread's stack and is not reference-counted. A download the dialog wants stopped
// is aborted at the next progress report.
class CDownloadProgressCallback : public CBindStatusSink {
public:
    explicit CDownloadProgressCallback(CFileUpdateDlg* dialog) : m_pDialog(dialog) {}

    HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode,
                                         LPCWSTR statusText) override;

private:
    CFileUpdateDlg* m_pDialog;
};
