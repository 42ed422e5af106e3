// The description quendal-chart --help prints above its options.
#pragma once

namespace quendal::cli {

extern const char kHelpDescription[];

}  // namespace quendal::cli
