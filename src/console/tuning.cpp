// Tuning: the slider and the three step options. Each ends in the receive
// transfer; the slider's scroll handler runs only for the operator's moves.

#include "console/console.h"
#include "toolkit/program.h"

#include <string>

namespace volna {

void Form1::Slider1_Scroll() {
    currentChannel = 0;
    receiveTransfer();
}

Form1::SliderMove Form1::moveSliderTo(std::int32_t position) {
    if (position < 0 || position > tuningSlider.maximum()) {
        return SliderMove::BeyondEnds;
    }
    if (position == tuningSlider.value()) {
        return SliderMove::AlreadyThere;
    }
    return program().scroll(tuningSlider, position) ? SliderMove::Moved : SliderMove::Refused;
}

void Form1::Option1_Click(int /*index*/) {
    chooseStep(2, "50");
}

void Form1::Option2_Click() {
    chooseStep(1, "25");
}

void Form1::Option3_Click() {
    chooseStep(4, "100");
}

// A new step: the from/to limits are cleared and the radio goes back to the
// lower boundary with the slider re-ranged for the step.
void Form1::chooseStep(std::int16_t factor, const char* stepText) {
    scanFrom.setText("");
    scanTo.setText("");
    positionReadOut.caption = "0";
    showTuned(lowerBound);
    tuningSlider.setValue(0);
    stepReadOut.caption = stepText;
    rasterKHz = 25;
    stepFactor = factor;
    tuningSlider.setMaximum(sliderMaximum(band()));
    sent1(tuningSlider.value());
    statusLine.caption.clear();
}

} // namespace volna
