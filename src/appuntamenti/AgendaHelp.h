#pragma once
#include "ui/Help.h"

// The user guide of the agenda.
HelpTopic agendaHelpTopic();
// The guides of the appointment archive export and of the agenda's exports.
HelpTopic expScadenzarioHelpTopic();
HelpTopic visualizzazioneAppuntamentiHelpTopic();
