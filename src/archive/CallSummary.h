#pragma once
// The summaries of the call register — today's calls, the whole register, a
// client's call history: the grid of the call columns, exported to a
// spreadsheet.
#include <functional>

#include "archive/ExportWindow.h"
#include "archive/RecordLayout.h"

class TCallSummary : public TExportWindow {
    Q_OBJECT
protected:
    TCallSummary(QWidget* owner, const QString& caption, const QString& fileName, const QString& sheetName,
                 const QString& helpTitle);

    // Which calls the summary shows, decided once for each filling.
    using Selection = std::function<bool(const Record& call)>;
    virtual Selection selection() const = 0;

    void forEachRecord(const RecordSink& add) override;
};
