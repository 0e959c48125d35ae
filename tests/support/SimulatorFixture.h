#pragma once

#include "business/sim/BusinessSimulator.h"
#include "support/BusinessFixture.h"

#include <memory>

// The simulator as the suites that play a server use it: fresh views and journal,
// answers without delay, a directory of `people` sample persons. Header-only, so
// that only the suites that link KP_BusinessSim need it.
inline std::unique_ptr<BusinessSimulator> startSimulator(int people = 20)
{
    BusinessFixture::reset();
    auto sim = std::make_unique<BusinessSimulator>();
    sim->setTimeScale(0);
    sim->populateSampleDirectory(people);
    return sim;
}
