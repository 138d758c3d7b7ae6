#pragma once
#include "ui/Help.h"

// The guides of the client export window and of a client's call history.
HelpTopic expClientiHelpTopic();
HelpTopic storicoChiamateHelpTopic();
