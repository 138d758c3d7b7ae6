#pragma once
#include "ui/Help.h"

// The user guide of the call register app.
HelpTopic chiamateHelpTopic();
// The guides of today's calls and of the register export.
HelpTopic riepChiamateOggiHelpTopic();
HelpTopic expChiamateHelpTopic();
