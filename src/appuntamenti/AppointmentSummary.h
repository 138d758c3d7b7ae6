#pragma once
// The appointment exports: the cards of the archive that a window selects,
// in a grid and in a spreadsheet. The whole archive is shown in file order;
// the selections made from the agenda carry each card's key and are shown
// in time order.
#include <functional>

#include "archive/ExportWindow.h"
#include "archive/RecordLayout.h"

class TAppointmentSummary : public TExportWindow {
    Q_OBJECT
public:
    // Whether the rows carry the key and come in its order.
    enum class Order { File, Key };

protected:
    TAppointmentSummary(QWidget* owner, const QString& caption, const QString& fileName, const QString& sheetName,
                        const QString& helpTitle, Order order);

    // Which cards the window shows, decided once for each filling.
    using Selection = std::function<bool(const Record& card)>;
    virtual Selection selection() const = 0;

    void forEachRecord(const RecordSink& add) override;

private:
    Order order_;
};
