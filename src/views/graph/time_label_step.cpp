#include "time_label_step.h"

namespace {
constexpr int kLargestStep = 1'000'000'000;
}

int timeLabelStep(double pixelsPerPosition, double labelPitch) {
    if (!(labelPitch > 0))
        return 1;
    if (!(pixelsPerPosition > 0))
        return kLargestStep;
    static constexpr int kMantissas[] = {1, 2, 5};
    for (long long decade = 1; decade <= kLargestStep; decade *= 10)
        for (int mantissa : kMantissas) {
            const long long step = decade * mantissa;
            if (step <= kLargestStep && double(step) * pixelsPerPosition >= labelPitch)
                return int(step);
        }
    return kLargestStep;
}
