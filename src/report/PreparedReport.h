#pragma once
// A report laid out into pages: each page holds its objects with their final
// texts and their places on the paper (report units from the paper's top
// left corner). Printing, the preview and PDF all paint these pages, and
// tests read them.
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "report/Report.h"
#include "report/ReportObjects.h"

class QPainter;

class PreparedPage {
public:
    std::vector<std::shared_ptr<const TReportObject>> objects;

    // The first object of that name on the page (any case), or nullptr.
    const TReportObject* find(const QString& name) const;
    const TMemo* memo(const QString& name) const;
};

class PreparedReport {
public:
    QString name;
    ReportKind kind = ReportKind::Card;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSizeF paperSize;  // report units, oriented
    PreviewButtons buttons;
    QString documentTitle;
    QString documentSubject;
    std::vector<PreparedPage> pages;

    int pageCount() const { return static_cast<int>(pages.size()); }
    // A4 with the orientation, no margins: objects already stand in place.
    QPageLayout pageLayout() const;

    // Paints a page on a device; scale is device pixels per report unit.
    void paintPage(QPainter& painter, int index, double scale) const;
};
