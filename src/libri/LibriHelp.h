#pragma once
#include "ui/Help.h"

// The user guide of the book catalogue.
HelpTopic libriHelpTopic();
