#pragma once
// The series window after three simulated radios, one after another on the
// same pseudo-terminal: the first verified, the second silent, the third
// keeping one byte wrongly. The series ends without its closing question.

#include <QImage>

namespace rk {
class ProgramShell;
struct ModelProfile;
}  // namespace rk

namespace rk::guide {

// The program has the guide's radio open; COM1 is pointed at the simulator
// for the picture. An empty image when the series did not run.
QImage SeriesPicture(ProgramShell& program, const ModelProfile& profile);

}  // namespace rk::guide
