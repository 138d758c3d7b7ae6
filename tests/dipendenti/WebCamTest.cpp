#include <QAbstractButton>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "dipendenti/TfrmDipendenti.h"
#include "dipendenti/TfrmWebCam.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/PhotoBox.h"

namespace {

class WebCam : public SeamsTest {
protected:
    TfrmDipendenti employee;

    void SetUp() override { seams.camera.connected = true; }

    static QImage frame(QColor colour) {
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
    // Opens the capture window from the employee window; the test works it.
    void openWebcam(const std::function<void(QDialog*)>& work) {
        seams.onModal([work](QDialog* d) { work(d); });
        QTest::mouseClick(child<QWidget>(&employee, "btnWebcam"), Qt::LeftButton);
        ASSERT_EQ(seams.modals.size(), 1u);
        EXPECT_EQ(seams.modals.back().className, QStringLiteral("TfrmWebCam"));
        EXPECT_EQ(seams.modals.back().title, QStringLiteral(" Cattura foto con webcam"));
    }
    static TPhotoBox* box(QDialog* d, const char* name) { return child<TPhotoBox>(d, QLatin1String(name)); }
    FakeCamera* camera() const { return seams.camera.last; }
};

}  // namespace

TEST_F(WebCam, TheLiveViewFollowsTheCameraAndTheCaptureGoesIntoTheCard) {
    openWebcam([this](QDialog* d) {
        EXPECT_EQ(child<QLabel>(d, "lblMemory")->text(), QStringLiteral("euro_01"));
        EXPECT_EQ(box(d, "imgCamera")->size(), QSize(366, 274));
        EXPECT_EQ(box(d, "imgTarget")->size(), QSize(366, 274));
        press(d, "btnAccendi");
        ASSERT_TRUE(camera()->isActive());
        // Pictures come from the capture's thread; the live view shows the
        // latest once the user-interface thread takes it.
        camera()->deliverFromThread(frame(Qt::red));
        camera()->deliverFromThread(frame(Qt::green));
        EXPECT_FALSE(box(d, "imgCamera")->hasPhoto());
        QCoreApplication::processEvents();
        ASSERT_TRUE(box(d, "imgCamera")->hasPhoto());
        EXPECT_EQ(box(d, "imgCamera")->picture().pixelColor(5, 5), QColor(Qt::green));

        press(d, "btnCattura");
        camera()->deliverFromThread(frame(Qt::blue));
        QCoreApplication::processEvents();
        EXPECT_EQ(box(d, "imgCamera")->picture().pixelColor(5, 5), QColor(Qt::blue));
        EXPECT_EQ(box(d, "imgTarget")->picture().pixelColor(5, 5), QColor(Qt::green));

        press(d, "btnImportaFoto");
        EXPECT_FALSE(camera()->isActive());
        EXPECT_FALSE(d->isVisible());
    });
    ASSERT_TRUE(employee.imgFoto()->hasPhoto());
    EXPECT_EQ(employee.imgFoto()->picture().size(), QSize(640, 480));
    EXPECT_EQ(employee.imgFoto()->picture().pixelColor(5, 5), QColor(Qt::green));
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(WebCam, TheCapturedPictureIsSavedToTheChosenFile) {
    const QString file = seams.file("Ritratto.jpg");
    openWebcam([&](QDialog* d) {
        press(d, "btnAccendi");
        camera()->deliverFromThread(frame(Qt::darkCyan));
        QCoreApplication::processEvents();
        press(d, "btnCattura");
        seams.pickFile(file);
        press(d, "btnSalvaFotogramma");
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(camera()->isActive());
        press(d, "btnClose");
    });
    ASSERT_EQ(seams.fileRequests.size(), 1u);
    EXPECT_EQ(seams.fileRequests[0].caption,
              QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
    EXPECT_EQ(QImage(file).size(), QSize(640, 480));
    EXPECT_FALSE(employee.imgFoto()->hasPhoto());  // "Annulla" imports nothing
}

TEST_F(WebCam, TheCameraIsStoppedOnEveryWayOut) {
    struct Way {
        const char* name;
        std::function<void(QDialog*)> out;
    };
    const Way ways[] = {
        {"Spegni webcam",
         [](QDialog* d) {
             press(d, "btnSpegni");
             d->reject();
         }},
        {"Annulla", [](QDialog* d) { press(d, "btnClose"); }},
        {"Importa foto in scheda", [](QDialog* d) { press(d, "btnImportaFoto"); }},
        {"Esc", [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }},
    };
    for (const Way& way : ways) {
        seams.modals.clear();
        bool stillVisible = true;
        openWebcam([&](QDialog* d) {
            press(d, "btnAccendi");
            ASSERT_TRUE(camera()->isActive());
            way.out(d);
            stillVisible = d->isVisible();
            EXPECT_FALSE(camera()->isActive()) << way.name;
        });
        EXPECT_FALSE(stillVisible) << way.name;
        EXPECT_EQ(camera(), nullptr) << way.name;  // freed with its window
    }
    EXPECT_EQ(seams.camera.starts, 4);
}

TEST_F(WebCam, WithoutACameraTheUserIsToldAndNothingChanges) {
    seams.camera.connected = false;
    employee.imgFoto()->setPicture(frame(Qt::yellow));
    openWebcam([this](QDialog* d) {
        press(d, "btnAccendi");
        EXPECT_FALSE(camera()->isActive());
        EXPECT_TRUE(d->isVisible());
        press(d, "btnClose");
    });
    EXPECT_EQ(seams.messageTexts(),
              QStringList({QStringLiteral("Attenzione: non \u00E8 stata trovata nessuna webcam collegata al "
                                          "computer.\n\r\n\rCollegare una webcam e premere di nuovo Accendi "
                                          "webcam.")}));
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Warning);
    EXPECT_EQ(employee.imgFoto()->picture().pixelColor(5, 5), QColor(Qt::yellow));

    // A camera in use elsewhere, or one that breaks down while running.
    seams.messages.clear();
    seams.modals.clear();
    seams.camera.connected = true;
    seams.camera.fails = true;
    openWebcam([this](QDialog* d) {
        press(d, "btnAccendi");
        seams.camera.fails = false;
        press(d, "btnAccendi");
        camera()->deliverFromThread(frame(Qt::red));
        QCoreApplication::processEvents();
        camera()->breakDown();
        EXPECT_FALSE(box(d, "imgCamera")->hasPhoto());
        press(d, "btnClose");
    });
    const QString inUse = QStringLiteral(
        "Attenzione: non \u00E8 stato possibile accendere la webcam.\n\r\n\rAccertarsi che non sia gi\u00E0 in uso da "
        "un altro programma e premere di nuovo Accendi webcam.");
    EXPECT_EQ(seams.messageTexts(), QStringList({inUse, inUse}));
}

TEST_F(WebCam, ImportingWithNothingCapturedLeavesThePlaceholderAndAnotherContextStaysOpen) {
    employee.imgFoto()->setPicture(frame(Qt::yellow));
    openWebcam([](QDialog* d) { press(d, "btnImportaFoto"); });
    EXPECT_FALSE(employee.imgFoto()->hasPhoto());

    TfrmWebCam other;  // opened for no card
    other.show();
    other.btnAccendiClick();
    other.btnImportaFotoClick();
    EXPECT_TRUE(other.isVisible());
    EXPECT_FALSE(camera()->isActive());
    other.btnCloseClick();
    EXPECT_FALSE(other.isVisible());
}
