#pragma once
#include "ui/Help.h"

// The user guide of the clients and services app.
HelpTopic clientiHelpTopic();
