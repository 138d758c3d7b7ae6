#pragma once
#include "ui/Help.h"

// The user guide of the protocol register app.
HelpTopic protocolloHelpTopic();
// The guides of the interval summary and of the whole-year export.
HelpTopic riepProtocolloHelpTopic();
HelpTopic expProtocolloHelpTopic();
