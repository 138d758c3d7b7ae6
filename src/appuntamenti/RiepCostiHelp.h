#pragma once
#include "ui/Help.h"

// The user guide of the revenue summary.
HelpTopic riepCostiHelpTopic();
