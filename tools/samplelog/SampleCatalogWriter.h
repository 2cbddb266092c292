#pragma once

#include "tools/samplelog/SampleCatchMaker.h"

class CDbConnection;

// Fills the twelve catalogues with the sample names that they do not hold yet (an existing
// row of the same name is used as it is) and returns the identifier of every sample name.
// Runs inside the caller's transaction; throws the layer's CSQLException*.
SampleCatalogIds FillSampleCatalogs(CDbConnection& db);
