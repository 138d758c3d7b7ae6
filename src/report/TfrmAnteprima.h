#pragma once
// The print preview: the prepared pages on screen, with the buttons the
// report allows (cards: print, zoom, full screen and close; lists also page
// navigation and PDF export). Shown modally and freed when it closes.
#include <QImage>
#include <QWidget>
#include <memory>

#include "report/Report.h"
#include "ui/Form.h"

class QLabel;
class QScrollArea;
class PreparedReport;

// The current page at the current zoom, on a grey desk.
class TPreviewPage : public QWidget {
    Q_OBJECT
public:
    TPreviewPage(std::shared_ptr<const PreparedReport> report, QWidget* parent);
    void setPage(int index);
    void setZoom(double zoom);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<const PreparedReport> report_;
    int index_ = 0;
    double zoom_ = 1.0;
    QImage cache_;
};

class TfrmAnteprima : public TForm {
    Q_OBJECT
public:
    TfrmAnteprima(std::shared_ptr<const PreparedReport> report, QWidget* owner = nullptr);

    int currentPage() const { return page_; }  // from 0
    double zoom() const { return zoom_; }

    void showPage(int index);
    void zoomIn();
    void zoomOut();
    void toggleFullScreen();

    void btnStampaClick();
    void btnPdfClick();

    static constexpr double Zooms[] = {0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0};

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool allows(PreviewButton b) const;
    void setZoom(double zoom);
    void refreshLabels();

    std::shared_ptr<const PreparedReport> report_;
    PreviewButtons buttons_;
    int page_ = 0;
    double zoom_ = 1.0;
    QScrollArea* scroll_ = nullptr;
    TPreviewPage* view_ = nullptr;
    QLabel* lblPagina_ = nullptr;
    QLabel* lblZoom_ = nullptr;
    QLabel* panInfo_ = nullptr;
};
