#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include "support/Seams.h"
#include "ui/Sound.h"

// The real player, on files that cannot sound: nothing is said, nothing waits.
TEST_F(SeamsTest, ASoundThatCannotPlayIsSilentAndQuick) {
    Sound::resetHandler();
    writeFile(seams.file("Rotto.mp3"), QByteArray("questo non e' un suono", 22));
    QElapsedTimer clock;
    clock.start();
    for (const char* name : {"Manca.mp3", "Rotto.mp3", ""}) {
        Sound::play(seams.file(QLatin1String(name)));
        QTest::qWait(50);
        Sound::stop();
    }
    Sound::stop();
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_TRUE(seams.messages.empty());
}
