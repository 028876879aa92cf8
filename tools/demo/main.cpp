// make-demo-data <folder>: fills a folder with a demo shop, with tickets up
// to now.
#include <cstdio>

#include "platform/core/env.h"
#include "tools/fixtures/demo_data.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-demo-data <folder>\n");
    return 2;
  }
  const mdc::fixtures::DemoSummary summary =
      mdc::fixtures::make_demo_data(argv[1], mdc::platform::system_env().now());
  if (!summary.made) {
    std::fprintf(stderr, "make-demo-data: %s\n", summary.message.c_str());
    return 1;
  }
  std::printf(
      "%s: %lld local records (%lld tickets), %d remote registers "
      "(%lld records)\n",
      argv[1], static_cast<long long>(summary.local_records),
      static_cast<long long>(summary.local_tickets), summary.remote_registers,
      static_cast<long long>(summary.remote_records));
  return 0;
}
