#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "archive/RecordWindow.h"
#include "dipendenti/EmployeeFields.h"
#include "dipendenti/TfrmDipendenti.h"
#include "libri/BookFields.h"
#include "libri/TfrmLibri.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"
#include "ui/PhotoBox.h"

// What the card windows with a photo share, on each of them: the employees
// and the books.
namespace {

struct Kind {
    const char* name;
    std::function<TRecordWindow*()> make;
    const char* archive;
    const RecordLayout& layout;
    int recordSize;
    QString photoPath;  // %1 the card's position
    QSize placeholder;
    // The required fields, filled; the first names the card.
    std::vector<std::pair<const char*, const char*>> required;
    // A field that is not required, with a text to keep.
    std::pair<const char*, const char*> other;
    const char* attachKeyword;  // what the attach window shows it is for
};

const std::vector<Kind>& kinds() {
    static const std::vector<Kind> all = {
        {"dipendenti",
         [] { return new TfrmDipendenti; },
         "Archivio_Dipendenti.pro",
         EmployeeFields::get().layout(),
         3356,
         QStringLiteral("Anagrafica/Scheda_Dipendente_%1.jpg"),
         QSize(307, 394),
         {{"txtDipendente", "Rossi Mario"},
          {"txtSesso", "M"},
          {"txtCel", "3331234567"},
          {"txtQualifica", "Impiegato"},
          {"txtReparto", "Amministrazione"}},
         {"txtMansioni", "Gestione ordini"},
         "dipendenti"},
        {"libri",
         [] { return new TfrmLibri; },
         "Archivio_Libri.pro",
         BookFields::get().layout(),
         3150,
         QStringLiteral("Copertine_Libri/Foto_%1.jpg"),
         QSize(307, 409),
         {{"txtTitolo", "Storia d'Italia, volume 1"}, {"txtAutore", "Umberto Eco"}},
         {"txtCollana", "Einaudi Tascabili"},
         "libri"},
    };
    return all;
}

class PhotoCardWindow : public SeamsTest, public WindowDriver, public ::testing::WithParamInterface<int> {
protected:
    const Kind& kind = kinds()[size_t(GetParam())];
    std::unique_ptr<TRecordWindow> w{kind.make()};

    void SetUp() override {
        drive(w.get());
        showActive(w.get());
    }
    void fillRequired() const {
        for (const auto& [control, value] : kind.required) put(control, QString::fromUtf8(value));
    }
    TPhotoBox* photo() const { return child<TPhotoBox>(w.get(), "imgFoto"); }
    QString photoFile(int position) const { return seams.file(kind.photoPath.arg(position)); }
    QString archiveFile() const { return seams.file(QLatin1String(kind.archive)); }
    static QImage picture(QSize size, QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }
};

}  // namespace

TEST_P(PhotoCardWindow, APhotoThatCannotBeStoredIsToldAndTheCardStaysSaved) {
    // Two ways a photo cannot be written: a folder where its file goes, then
    // a file where its folder goes.
    const QString folder = QFileInfo(photoFile(1)).path();
    const std::vector<std::function<void()>> blocks = {
        [&] { QDir().mkpath(photoFile(1)); },
        [&] {
            QDir(folder).removeRecursively();
            writeFile(folder, "not a folder");
        },
    };
    for (size_t i = 0; i < blocks.size(); ++i) {
        blocks[i]();
        seams.messages.clear();
        click("cmdNuovo");
        fillRequired();
        photo()->setPicture(picture({100, 100}, Qt::darkGreen));
        click("cmdSalva");
        EXPECT_EQ(pos(), QString::number(i + 1));
        EXPECT_EQ(fileBytes(archiveFile()).size(), qsizetype(i + 1) * kind.recordSize);
        EXPECT_EQ(seams.messageTexts(),
                  QStringList({QStringLiteral("Attenzione: la scheda \u00E8 stata salvata, ma non \u00E8 stato "
                                              "possibile salvarne la foto.\n\r\n\rAccertarsi di possedere i "
                                              "privilegi di scrittura nella cartella di installazione del programma "
                                              "e che il disco non sia pieno."),
                               Said::inserita}))
            << i;
        ASSERT_FALSE(seams.messages.empty());
        EXPECT_EQ(seams.messages[0].kind, MsgKind::Warning);
        EXPECT_TRUE(photo()->hasPhoto());  // still there, for the next save
    }
}

TEST_P(PhotoCardWindow, ADuplicateSavedAsNewKeepsTheTextsAndLeavesPhotoAndAttachmentsBehind) {
    click("cmdDuplica");
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("Attenzione: la duplicazione di una scheda pu\u00F2 avvenire soltanto dopo che questa "
                             "\u00E8 stata inserita in archivio."));
    EXPECT_FALSE(QFile::exists(archiveFile()));

    fillRequired();
    put(kind.other.first, QString::fromUtf8(kind.other.second));
    put("lblFile01", "indice.pdf");
    put("lblDesc01", "Indice");
    photo()->setPicture(picture({200, 300}, Qt::darkBlue));
    click("cmdSalva");
    const QByteArray first = fileBytes(archiveFile());

    // The archive is not opened: one that cannot be opened does not stop it.
    const QString aside = seams.file("altrove.pro");
    ASSERT_TRUE(QFile::rename(archiveFile(), aside));
    QDir().mkpath(archiveFile());
    click("cmdDuplica");
    QDir().rmdir(archiveFile());
    ASSERT_TRUE(QFile::rename(aside, archiveFile()));
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(seams.lastMessage().text,
              QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                             "Al termine premere Salva per inserire la scheda in archivio."));
    EXPECT_EQ(pos(), QString());
    EXPECT_TRUE(ctl(kind.required.front().first)->hasFocus());
    EXPECT_EQ(text(kind.other.first), QString::fromUtf8(kind.other.second));
    EXPECT_EQ(text("lblFile01"), QString());
    EXPECT_FALSE(photo()->hasPhoto());

    put(kind.required.front().first, QStringLiteral("Copia"));
    click("cmdSalva");
    EXPECT_EQ(seams.lastMessage().text, Said::inserita);
    EXPECT_EQ(pos(), QStringLiteral("2"));
    const QByteArray both = fileBytes(archiveFile());
    ASSERT_EQ(both.size(), 2 * kind.recordSize);
    EXPECT_EQ(both.left(kind.recordSize), first);
    Record copy(kind.layout);
    copy.bytes() = both.mid(kind.recordSize);
    const QString firstField = QLatin1String(kind.required.front().first).mid(3);  // "txtTitolo": "Titolo"
    const QString otherField = QLatin1String(kind.other.first).mid(3);
    EXPECT_EQ(copy.get(firstField), QStringLiteral("Copia"));
    EXPECT_EQ(copy.get(otherField), QString::fromUtf8(kind.other.second));
    EXPECT_EQ(copy.get("File01"), QString());
    EXPECT_EQ(copy.get("Desc01"), QString());
    EXPECT_EQ(QImage(photoFile(2)).size(), kind.placeholder);
    EXPECT_EQ(QImage(photoFile(1)).size(), QSize(200, 300));
}

// The photo's own buttons, and the attachments of the card.
TEST_P(PhotoCardWindow, ThePhotoButtonsAndTheAttachmentsOpenWhatTheyName) {
    photo()->setPicture(picture({50, 60}, Qt::gray));
    click("btnZoomFoto");
    ASSERT_EQ(seams.zooms.size(), 1u);
    EXPECT_EQ(seams.zooms[0].size(), QSize(50, 60));
    click("btnCancFoto");
    EXPECT_FALSE(photo()->hasPhoto());

    fillRequired();
    put("lblFile02", "foto.jpg");
    seams.onModal([this](QDialog* d) {
        EXPECT_EQ(child<QLabel>(d, "lblMemory")->text(), QLatin1String(kind.attachKeyword));
        EXPECT_EQ(child<QLineEdit>(d, "txtFile02")->text(), QStringLiteral("foto.jpg"));
    });
    click("cmdFile");
    ASSERT_EQ(seams.modals.size(), 1u);
    EXPECT_EQ(seams.modals[0].className, QStringLiteral("TfrmAllegaCartella"));
}

INSTANTIATE_TEST_SUITE_P(PhotoCards, PhotoCardWindow, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(kinds()[size_t(info.param)].name);
                         });
