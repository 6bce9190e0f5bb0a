#include "support/model_fixture.h"

namespace tablora::testing {

void RecordingDesignView::TableAdded(int index, bool show) {
  events.push_back("added " + std::to_string(index) + (show ? " show" : " hidden"));
}

void RecordingDesignView::TableChanged(int index) {
  events.push_back("changed " + std::to_string(index));
}

void RecordingDesignView::TableTreeTextChanged(int index, const std::string& treeText) {
  events.push_back("tree " + std::to_string(index) + " " + treeText);
}

}  // namespace tablora::testing
