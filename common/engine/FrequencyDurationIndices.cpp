#include "common/engine/EngineContext.h"

namespace zelvo {

// FL1-DH24: not built yet; their rows are written as NC rows.
void ComputeFrequencyDurationIndices(EngineContext& ctx) { (void)ctx; }

}  // namespace zelvo
