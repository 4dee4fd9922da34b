#include "shell/msgdlglayout.h"

#include <algorithm>

#include "settings/fontplatform.h"

namespace {
constexpr int32_t kIconSize = 32;
}  // namespace

MessageDialogMetrics MessageDialogMetricsFor(int32_t unitX, int32_t unitY) {
    // Horizontal sizes are in quarters of the average character width, vertical ones in eighths of
    // the character height.
    return MessageDialogMetrics{
        .horzMargin = PlatformMulDiv(8, unitX, 4),
        .vertMargin = PlatformMulDiv(8, unitY, 8),
        .horzSpacing = PlatformMulDiv(10, unitX, 4),
        .vertSpacing = PlatformMulDiv(10, unitY, 8),
        .buttonWidth = PlatformMulDiv(50, unitX, 4),
        .buttonHeight = PlatformMulDiv(14, unitY, 8),
        .buttonSpacing = PlatformMulDiv(4, unitX, 4),
    };
}

MessageDialogLayout LayoutMessageDialog(const MessageDialogMetrics& m,
                                        int32_t textWidth,
                                        int32_t textHeight,
                                        bool hasIcon,
                                        int32_t buttonCount,
                                        int32_t buttonWidth) {
    MessageDialogLayout layout;
    int32_t blockWidth = textWidth;
    int32_t blockHeight = textHeight;
    if (hasIcon) {
        blockWidth += kIconSize + m.horzSpacing;
        blockHeight = std::max(blockHeight, kIconSize);
        layout.icon = DialogRect{m.horzMargin, m.vertMargin, kIconSize, kIconSize};
    }
    const int32_t groupWidth = buttonCount > 0 ? buttonCount * buttonWidth + (buttonCount - 1) * m.buttonSpacing : 0;
    layout.clientWidth = std::max(blockWidth, groupWidth) + 2 * m.horzMargin;
    layout.clientHeight = blockHeight + m.buttonHeight + m.vertSpacing + 2 * m.vertMargin;
    // The text sits right of the icon, or at the margin without one.
    layout.message = DialogRect{blockWidth - textWidth + m.horzMargin, m.vertMargin, textWidth, textHeight};
    layout.firstButton = DialogRect{(layout.clientWidth - groupWidth) / 2, blockHeight + m.vertMargin + m.vertSpacing,
                                    buttonWidth, m.buttonHeight};
    layout.buttonStep = buttonWidth + m.buttonSpacing;
    return layout;
}
