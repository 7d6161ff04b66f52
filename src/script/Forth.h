#pragma once
// The engine object: the cell memory and the words it owns.
#include <cstdint>
#include <string>
#include <vector>

#include "script/Value.h"

namespace vt {

class TDefinition;

class TForth {
public:
    TForth();    // becomes the running engine's memory and dictionary
    ~TForth();   // empties both stacks and destroys every word created after it
    TForth(const TForth&) = delete;
    TForth& operator=(const TForth&) = delete;

    std::string name = "tForth";
    TDefinition* boundary;              // the newest word when this engine was created
    std::vector<Value> memory;          // cells; addresses of @ and ! index it
    std::int32_t here = 0;              // cells allotted
};

}  // namespace vt
