#pragma once
// The words that read and change the drawing context's current rectangle, and read the
// rectangles of the theme's elements by index. Coordinates are window coordinates.
#include "script/Definition.h"
#include "script/drawing/DrawingContext.h"
#include "script/NativeReference.h"

namespace vt {

// ( -- top ) The current rectangle's top.
class TFetchRectTop final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( top -- ) Sets the current rectangle's top.
class TStoreRectTop final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( -- left ) The current rectangle's left side.
class TFetchRectLeft final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( left -- ) Sets the current rectangle's left side.
class TStoreRectLeft final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( -- bottom ) The current rectangle's bottom.
class TFetchRectBottom final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( bottom -- ) Sets the current rectangle's bottom.
class TStoreRectBottom final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( -- right ) The current rectangle's right side.
class TFetchRectRight final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( right -- ) Sets the current rectangle's right side.
class TStoreRectRight final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( index -- top ) The top of element number index, as last computed.
class TGetTop final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( index -- left ) The left side of element number index.
class TGetLeft final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( index -- bottom ) The bottom of element number index.
class TGetBottom final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( index -- right ) The right side of element number index.
class TGetRight final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( -- left top right bottom ) The four sides of the current rectangle.
class TFetchRect final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( left top right bottom -- ) Sets all four sides of the current rectangle.
class TStoreRect final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( -- width ) right - left of the current rectangle.
class TGetWidth final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

// ( -- height ) bottom - top of the current rectangle.
class TGetHeight final : public TDrawingWord {
public:
    using TDrawingWord::TDrawingWord;
    TForthObject* Execute() override;
};

extern template class TNativeReference<TFetchRectTop>;
extern template class TNativeReference<TStoreRectTop>;
extern template class TNativeReference<TFetchRectLeft>;
extern template class TNativeReference<TStoreRectLeft>;
extern template class TNativeReference<TFetchRectBottom>;
extern template class TNativeReference<TStoreRectBottom>;
extern template class TNativeReference<TFetchRectRight>;
extern template class TNativeReference<TStoreRectRight>;
extern template class TNativeReference<TGetTop>;
extern template class TNativeReference<TGetLeft>;
extern template class TNativeReference<TGetBottom>;
extern template class TNativeReference<TGetRight>;
extern template class TNativeReference<TFetchRect>;
extern template class TNativeReference<TStoreRect>;
extern template class TNativeReference<TGetWidth>;
extern template class TNativeReference<TGetHeight>;

}  // namespace vt
