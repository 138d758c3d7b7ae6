#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "archive/ArchivioSchede.h"
#include "dipendenti/EmployeeFields.h"
#include "dipendenti/TfrmDipendenti.h"
#include "dipendenti/TfrmSlideshow_Dipendenti.h"
#include "libri/BookFields.h"
#include "libri/TfrmLibri.h"
#include "libri/TfrmSlideshow_Libri.h"
#include "platform/Timer.h"
#include "support/Said.h"
#include "support/Seams.h"
#include "ui/PhotoBox.h"

namespace {

struct Kind {
    const char* name;
    std::function<TSlideshow*()> make;
    QString caption;
    QString archive;
    const RecordLayout& layout;
    const PhotoStore& store;
};

const std::vector<Kind>& kinds() {
    static const std::vector<Kind> all = {
        {"dipendenti", [] { return new TfrmSlideshow_Dipendenti; }, QStringLiteral(" Slide show foto dipendenti"),
         EmployeeFields::kArchive, EmployeeFields::get().layout(), TfrmDipendenti::photos()},
        {"libri", [] { return new TfrmSlideshow_Libri; }, QStringLiteral(" Slide Show Schedario Libri"),
         BookFields::kArchive, BookFields::get().layout(), TfrmLibri::photos()},
    };
    return all;
}

class SlideshowTest : public SeamsTest {
protected:
    std::unique_ptr<TSlideshow> show;

    void start(const Kind& kind) {
        show.reset(kind.make());
        show->show();
    }
    void addCards(const Kind& kind, int n) {
        appendRecords(seams.file(kind.archive), std::vector<Record>(size_t(n), Record(kind.layout)));
    }
    // Card n's photo, told apart by its size.
    static QSize photoSize(int n) { return QSize(100 * n, 50 + n); }
    void addPhoto(const Kind& kind, int n) {
        QDir().mkpath(seams.file(kind.store.folder()));
        QImage image(photoSize(n), QImage::Format_RGB32);
        image.fill(Qt::darkYellow);
        ASSERT_TRUE(image.save(kind.store.path(n), "JPEG"));
    }
    QString position() const { return child<QLabel>(show.get(), "lblPosizione")->text(); }
    TPhotoBox* picture() const { return child<TPhotoBox>(show.get(), "imgFoto"); }
    TTimer* timer() const { return child<TTimer>(show.get(), "Timer"); }
    // What the picture shows: a card's photo by its size, or "placeholder".
    QString shown() const {
        if (!picture()->hasPhoto()) return QStringLiteral("placeholder");
        for (int n = 1; n <= 3; ++n)
            if (picture()->picture().size() == photoSize(n)) return QString::number(n);
        return QStringLiteral("?");
    }
};

class EachSlideshow : public SlideshowTest, public ::testing::WithParamInterface<int> {};

}  // namespace

TEST_P(EachSlideshow, EveryCardInTurnSixSecondsEachTheLastOneTwiceThenAgain) {
    const Kind& kind = kinds()[size_t(GetParam())];
    {
        addCards(kind, 3);
        addPhoto(kind, 1);
        addPhoto(kind, 3);  // card 2 has no photo
        start(kind);

        EXPECT_EQ(show->windowTitle(), kind.caption);
        EXPECT_TRUE(show->windowState() & Qt::WindowMaximized);
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QSize area(screen.width() - 60, screen.height() - 90);
        EXPECT_EQ(child<QWidget>(show.get(), "panContainer")->size(), area);
        EXPECT_EQ(picture()->size(), area);
        EXPECT_FALSE(child<QWidget>(show.get(), "lblPosizione")->isVisible());
        EXPECT_FALSE(child<QWidget>(show.get(), "cmdAvanti")->isVisible());
        EXPECT_EQ(timer()->interval(), 6000);
        EXPECT_TRUE(timer()->isActive());

        EXPECT_EQ(shown(), QStringLiteral("placeholder"));
        Timers::advance(5999);
        EXPECT_EQ(shown(), QStringLiteral("placeholder"));
        EXPECT_EQ(position(), QString());
        Timers::advance(1);

        struct Step {
            QString position, shown;
        };
        const Step steps[] = {{"1", "1"}, {"2", "placeholder"}, {"3", "3"},
                              {"0", "3"}, {"1", "1"},           {"2", "placeholder"}};
        for (const Step& s : steps) {
            EXPECT_EQ(position(), s.position);
            EXPECT_EQ(shown(), s.shown) << "at " << s.position.toStdString();
            Timers::advance(6000);
        }
        // Cards saved meanwhile join the show; nothing was said.
        addCards(kind, 1);
        addPhoto(kind, 2);
        Timers::advance(6000);
        EXPECT_EQ(position(), QStringLiteral("4"));
        EXPECT_TRUE(seams.messages.empty());
        EXPECT_TRUE(show->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Slideshow, EachSlideshow, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) { return kinds()[size_t(info.param)].name; });

TEST_F(SlideshowTest, AnEmptyArchiveEndsTheShowWithItsMessage) {
    start(kinds().front());
    Timers::advance(6000);
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Information);
    EXPECT_EQ(seams.lastMessage().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
    EXPECT_FALSE(show->isVisible());
    EXPECT_FALSE(timer()->isActive());
    EXPECT_EQ(position(), QString());
    Timers::advance(60000);
    EXPECT_EQ(seams.messages.size(), 1u);
}

TEST_F(SlideshowTest, AClickOnThePictureOrThePanelEndsTheShow) {
    for (const char* target : {"imgFoto", "panContainer"}) {
        addCards(kinds().back(), 1);
        start(kinds().back());
        Timers::advance(6000);
        QTest::mouseClick(child<QWidget>(show.get(), QLatin1String(target)), Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_FALSE(show->isVisible()) << target;
        EXPECT_FALSE(timer()->isActive()) << target;
    }
    EXPECT_TRUE(seams.messages.empty());
}

TEST_F(SlideshowTest, AnArchiveThatCannotBeOpenedIsReportedAndTheShowGoesOn) {
    const Kind& kind = kinds().front();
    QDir().mkpath(seams.file(kind.archive));  // a folder where the archive should be
    start(kind);
    Timers::advance(6000);
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.lastMessage().kind, MsgKind::Error);
    EXPECT_EQ(seams.lastMessage().text, Said::accesso);
    EXPECT_TRUE(show->isVisible());
    EXPECT_TRUE(timer()->isActive());

    QDir().rmdir(seams.file(kind.archive));
    addCards(kind, 2);
    addPhoto(kind, 1);
    Timers::advance(6000);
    EXPECT_EQ(position(), QStringLiteral("1"));
    EXPECT_EQ(shown(), QStringLiteral("1"));
    EXPECT_EQ(seams.messages.size(), 1u);
}
