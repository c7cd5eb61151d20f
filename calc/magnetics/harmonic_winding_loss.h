#pragma once
// The AC resistance factor of a winding whose current is not a sine: the current resolved into
// its DC part, which flows at the DC resistance, and its harmonics, each at Dowell's factor for
// its own frequency (winding_resistance.h), so at its own skin depth. The effective factor
// P / (I_rms^2 R_dc) multiplies the DC resistance as Dowell's factor does for a sine.
//
// The converter's currents are trains of rectangular pulses. Their harmonics have closed forms,
// and by Parseval their RMS is known, so the sum stops at the first harmonic after which what is
// left carries under limits::kUnsummedCurrentShare of I_rms^2, or at kMaxHarmonics (duties under
// about 5 %, far from any the converter runs at, leave more). It stops being valid where its
// parts do: ideal edges (real ones, slowed by the switches and the leakage inductance, carry less
// at the high harmonics, so the factor errs high) and Dowell's field parallel to the layers. The
// layers count from where the winding's field is nought: a winding whose field changes sign
// across it (the outputs between the halves of an interleaved primary) counts as two of half its
// layers each, Dowell's m a half for a single such layer.

#include <vector>

namespace toroglav {

// The harmonics of a periodic current as shares of its RMS squared.
class CurrentSpectrum {
public:
    // The highest harmonic summed.
    static constexpr int kMaxHarmonics = 4096;

    static CurrentSpectrum Direct();  // a constant current
    static CurrentSpectrum Sine();    // the fundamental alone
    // One pulse of width `duty` T a period: each half of a push-pull primary, `duty` the
    // conduction of each switch (up to 0.5). 1 is a direct current.
    static CurrentSpectrum Pulse(double duty);
    // A pulse of width `duty` T of each sign, half a period apart: a half-bridge or bridge
    // primary, a bridge-rectified output, each half of a bipolar centre-tapped output.
    static CurrentSpectrum BipolarPulses(double duty);
    // Each half of a unipolar centre-tapped output: the output current in its own pulse of width
    // `duty` T, half of it in each freewheeling interval between the pulses, none in the other
    // half's pulse. It is half the output current plus half the bipolar pulses.
    static CurrentSpectrum CentreTappedHalf(double duty);

    double DirectShare() const { return directShare_; }
    // The harmonics summed, and the share of I_rms^2 they leave unsummed.
    int Harmonics() const { return static_cast<int>(harmonics_.size()); }
    double UnsummedShare() const { return unsummedShare_; }

    // The effective factor for a winding whose fundamental has Dowell's Delta `deltaFundamental`
    // (DowellDelta, winding_resistance.h) over `layers` layers (Dowell's m, a whole or a half).
    double AcFactor(double deltaFundamental, double layers) const;

private:
    struct Harmonic {
        double share;       // of I_rms^2
        double tailWeight;  // the sum of share sqrt(n) over this harmonic and those above
    };

    // The harmonics n = 1, 1 + step, ... of a train of pulses of width `duty` T, whose shares are
    // `shareOverSineSquared` sin^2(pi n duty) / n^2, until what is left of `1 - directShare`
    // falls under the limit.
    static CurrentSpectrum PulseTrain(double duty, double directShare, int step,
                                      double shareOverSineSquared);

    double directShare_ = 0;
    double unsummedShare_ = 0;
    int step_ = 1;  // 1: every harmonic, 2: the odd ones
    std::vector<Harmonic> harmonics_;
};

}  // namespace toroglav
