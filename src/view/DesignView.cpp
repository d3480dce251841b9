#include "view/DesignView.h"

namespace vorna {

const std::array<Pen, 6> DesignView::kCurvePens{{
    {{0, 0, 255}, 1, PenStyle::Solid},
    {{255, 0, 0}, 1, PenStyle::Solid},
    {{255, 255, 0}, 1, PenStyle::Solid},
    {{0, 255, 0}, 1, PenStyle::Solid},
    {{0, 0, 0}, 1, PenStyle::Solid},
    {{0, 255, 255}, 1, PenStyle::Solid},
}};

const std::array<Pen, 4> DesignView::kMarkPens{{
    {{128, 128, 128}, 1, PenStyle::Solid},
    {{255, 128, 255}, 1, PenStyle::Solid},
    {{255, 255, 255}, 1, PenStyle::Solid},
    {{255, 0, 255}, 1, PenStyle::Solid},
}};

const Pen DesignView::kBlackPen{{0, 0, 0}, 1, PenStyle::Solid};

DesignView::DesignView(DesignDocument& document) : document_(document) {}

}  // namespace vorna
