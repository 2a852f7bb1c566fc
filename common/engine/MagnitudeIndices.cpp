#include "common/engine/EngineContext.h"

namespace zelvo {

// MA3-MH27: not built yet; their rows are written as NC rows.
void ComputeMagnitudeIndices(EngineContext& ctx) { (void)ctx; }

}  // namespace zelvo
