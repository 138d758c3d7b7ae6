#pragma once
#include "ui/Help.h"

// The user guide of the case archive app.
HelpTopic praticheHelpTopic();
// The guide of the case archive export.
HelpTopic expPraticheHelpTopic();
