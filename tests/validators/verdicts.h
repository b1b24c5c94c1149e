#pragma once

#include <QMetaType>

#include "validators/checkreport.h"

// Lets the check tests put verdicts into their data tables.
Q_DECLARE_METATYPE(velinda::CheckReport::Verdict)
