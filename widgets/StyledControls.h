#pragma once

// CColorLabel, CStyledEdit and CIconButton: see ColorLabel.h, StyledEdit.h, IconButton.h.
#include "widgets/ColorLabel.h"
#include "widgets/IconButton.h"
#include "widgets/StyledEdit.h"
