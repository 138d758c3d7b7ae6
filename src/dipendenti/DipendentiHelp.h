#pragma once
#include "ui/Help.h"

// The user guide of the employees app.
HelpTopic dipendentiHelpTopic();
