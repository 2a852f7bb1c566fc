#include "common/engine/EngineContext.h"

namespace zelvo {

// TA1-RA9: not built yet; their rows are written as NC rows.
void ComputeTimingRateIndices(EngineContext& ctx) { (void)ctx; }

}  // namespace zelvo
