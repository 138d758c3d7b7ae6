#pragma once
// The launcher: eight tiles, one per app, on a maximised window. A tile
// shows its app's main window and hides the launcher; the app shows the
// launcher again when it closes. Closing the launcher ends the program.
#include <QPointer>
#include <array>
#include <functional>

#include "ui/Form.h"
#include "ui/PictureButton.h"

// A tile's caption button: the caption drawn over the common button picture.
class TTileButton : public TPictureButton {
    Q_OBJECT
public:
    TTileButton(const QString& objectName, const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

class TfrmAvvio : public TForm {
    Q_OBJECT
public:
    static constexpr int kTiles = 8;

    explicit TfrmAvvio(QWidget* owner = nullptr);

    // Binds tile 1 to 8 to the main window of its app. A tile without a
    // window does nothing when clicked. The source gives the window when the
    // tile is first clicked, so an app's windows are built only when used.
    using AppSource = std::function<TAppWindow*()>;
    void setApp(int tile, AppSource source);
    void setApp(int tile, TAppWindow* window);
    TAppWindow* app(int tile) const;

    // A click on a tile's picture or caption button.
    void appClick(int tile);
    void imgInfoClick();
    void imgGuidaClick();
    void imgCopyrightClick();
    void icoSitoClick();
    void imgEsciClick();

    // The captions of the tiles, 1 to 8.
    static QString caption(int tile);

protected:
    void FormClose() override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();

    QWidget* container_ = nullptr;
    std::array<AppSource, kTiles> apps_{};
};
