#pragma once
// Short alert sounds, played in the background by the toolkit's media player.
// A sound is a nicety: a missing or unplayable file, or a machine without an
// audio output, plays nothing and says nothing, and the program never waits
// for it. Tests put a recorder in place of the speakers.
#include <QString>
#include <functional>

namespace Sound {

// Plays the file once; a sound still playing is stopped first.
void play(const QString& path);
// Stops the sound being played, if any.
void stop();

struct Request {
    enum class Kind { Play, Stop };
    Kind kind = Kind::Play;
    QString path;  // the file to play; empty for a stop
};

using Handler = std::function<void(const Request& request)>;
void setHandler(Handler handler);
void resetHandler();

}  // namespace Sound
