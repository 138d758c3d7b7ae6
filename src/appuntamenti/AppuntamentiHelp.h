#pragma once
#include "ui/Help.h"

// The user guide of the appointment card window.
HelpTopic schedarioAppuntamentiHelpTopic();
