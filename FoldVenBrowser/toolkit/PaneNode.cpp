#include "FoldVenBrowser/toolkit/PaneNode.h"

#include <algorithm>

CPaneNode::~CPaneNode() {
    if (first.kind == kNode)
        delete first.node;
    if (second.kind == kNode)
        delete second.node;
}

bool CPaneNode::IsShown(const Child& child) {
    if (child.kind == kWindow)
        return child.visible != 0;
    if (child.kind == kNode)
        return child.node && child.node->visible != 0;
    return false;
}

int CPaneNode::ChildMinWidth(const Child& child) {
    if (child.kind == kWindow)
        return child.minWidth;
    if (child.kind == kNode && child.node)
        return child.node->MinWidth();
    return 0;
}

int CPaneNode::ChildMinHeight(const Child& child) {
    if (child.kind == kWindow)
        return child.minHeight;
    if (child.kind == kNode && child.node)
        return child.node->MinHeight();
    return 0;
}

// The bar's 5 pixels count in both directions, also where the bar does not lie.
int CPaneNode::MinWidth() const {
    const int a = ChildMinWidth(first);
    const int b = ChildMinWidth(second);
    return (orientation == kSideBySide ? a + b : std::max(a, b)) + kBar;
}

int CPaneNode::MinHeight() const {
    const int a = ChildMinHeight(first);
    const int b = ChildMinHeight(second);
    return (orientation == kStacked ? a + b : std::max(a, b)) + kBar;
}

int CPaneNode::CurrentFirstSize() const {
    const Child* child = &first;
    while (child->kind == kNode && child->node)
        child = &child->node->first;
    if (child->kind != kWindow || !child->window)
        return 0;
    return orientation == kSideBySide ? child->window->CurrentWidth() : child->window->CurrentHeight();
}

void CPaneNode::Layout(int nx, int ny, int nw, int nh) {
    CPaneNode* node = this;
    while (node)
        node = node->LayoutOne(nx, ny, nw, nh);
}

CPaneNode* CPaneNode::LayoutOne(int& nx, int& ny, int& nw, int& nh) {
    const bool firstShown = IsShown(first);
    const bool secondShown = IsShown(second);
    if (!firstShown && !secondShown)
        return nullptr;
    nw = std::max(nw, MinWidth());
    nh = std::max(nh, MinHeight());
    x = nx;
    y = ny;
    width = nw;
    height = nh;

    // Rectangles of the two children.
    int fx = x, fy = y, fw = width, fh = height;
    int sx = x, sy = y, sw = width, sh = height;
    if (orientation == kSideBySide) {
        int c = CurrentFirstSize();
        if (width - c < ChildMinWidth(second))
            c = width - ChildMinWidth(second);
        if (firstShown) {
            sx = x + c + kBar;
            sw = width - c - kBar;
            fw = secondShown ? c : width;
        }
        barRect = PaneRect{x + c, y, x + c + kBar, y + height};
    } else {
        int d = CurrentFirstSize();
        if (height - d < ChildMinHeight(second))
            d = height - ChildMinHeight(second);
        if (firstShown) {
            sy = y + d + kBar;
            sh = height - d - kBar;
            fh = secondShown ? d : height;
        }
        barRect = PaneRect{x, y + d, x + width, y + d + kBar};
    }
    if (!firstShown || !secondShown || !barEnabled)
        barRect = PaneRect{};

    if (firstShown) {
        if (first.kind == kWindow && first.window)
            first.window->MoveTo(fx, fy, fw, fh);
        else if (first.kind == kNode)
            first.node->Layout(fx, fy, fw, height);
    }
    if (!secondShown)
        return nullptr;
    if (second.kind == kWindow) {
        if (second.window)
            second.window->MoveTo(sx, sy, sw, sh);
        return nullptr;
    }
    nx = sx;
    ny = sy;
    nw = sw;
    nh = height;
    return second.node;
}

CPaneNode* CPaneTree::CreateNode(unsigned orientation, CPaneNode* parent, int side, bool barEnabled,
                                 int clientWidth, int clientHeight) {
    auto* node = new CPaneNode;
    node->orientation = orientation;
    node->barEnabled = barEnabled ? 1 : 0;
    if (parent) {
        CPaneNode::Child& slot = side == 1 ? parent->first : parent->second;
        if (side != 1 && side != 2) {
            delete node;
            return nullptr;
        }
        if (slot.kind == CPaneNode::kNode)
            delete slot.node;
        slot.kind = CPaneNode::kNode;
        slot.node = node;
        node->visible = 1;
        return node;
    }
    delete m_root;
    m_root = node;
    m_left = m_top = m_right = m_bottom = 0;
    // The root starts out as the client area even while it has nothing to show, so that the first edge
    // settings start from there and not from an empty rectangle that would squeeze the first pane to its
    // minimum.
    m_root->width = clientWidth;
    m_root->height = clientHeight;
    m_root->Layout(0, 0, clientWidth, clientHeight);
    return node;
}

void CPaneTree::AttachWindow(CPaneNode* node, IPaneWindow* window, int side, int minWidth, int minHeight) {
    if (!node || (side != 1 && side != 2))
        return;
    CPaneNode::Child& slot = side == 1 ? node->first : node->second;
    if (slot.kind == CPaneNode::kNode)
        delete slot.node;
    slot.kind = CPaneNode::kWindow;
    slot.node = nullptr;
    slot.window = window;
    slot.minWidth = minWidth;
    slot.minHeight = minHeight;
    slot.visible = 1;
}

void CPaneTree::SetPaneRect(PaneRect rect, int clientWidth, int clientHeight) {
    if (!m_root)
        return;
    m_left = rect.left;
    m_top = rect.top;
    m_right = clientWidth - rect.right;
    m_bottom = clientHeight - rect.bottom;
    m_root->Layout(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void CPaneTree::SetTopEdge(int top, int clientWidth, int clientHeight) {
    if (!m_root)
        return;
    SetPaneRect(PaneRect{m_root->x, top, m_root->x + m_root->width, m_root->y + m_root->height}, clientWidth,
                clientHeight);
}

void CPaneTree::SetLeftEdge(int left, int clientWidth, int clientHeight) {
    if (!m_root)
        return;
    SetPaneRect(PaneRect{left, m_root->y, m_root->x + m_root->width, m_root->y + m_root->height}, clientWidth,
                clientHeight);
}

void CPaneTree::SetRightMargin(int right, int clientWidth, int clientHeight) {
    if (!m_root)
        return;
    SetPaneRect(PaneRect{m_root->x, m_root->y, clientWidth - right, m_root->y + m_root->height}, clientWidth,
                clientHeight);
}

void CPaneTree::SetBottomMargin(int bottom, int clientWidth, int clientHeight) {
    if (!m_root)
        return;
    SetPaneRect(PaneRect{m_root->x, m_root->y, m_root->x + m_root->width, clientHeight - bottom}, clientWidth,
                clientHeight);
}

void CPaneTree::Relayout() {
    if (m_root)
        m_root->Layout(m_root->x, m_root->y, m_root->width, m_root->height);
}

void CPaneTree::OnSize(int clientWidth, int clientHeight) {
    if (m_root)
        m_root->Layout(m_root->x, m_root->y, clientWidth - m_left - m_right, clientHeight - m_top - m_bottom);
}

void CPaneTree::AdjustSizing(int edge, PaneRect& window) const {
    enum { kLeft = 1, kRight, kTop, kTopLeft, kTopRight, kBottom, kBottomLeft, kBottomRight };
    if (window.right - window.left < kMinWindowWidth)
        window.right = window.left + kMinWindowWidth;
    if (window.bottom - window.top < kMinWindowHeight)
        window.bottom = window.top + kMinWindowHeight;
    if (!m_root)
        return;
    const int neededHeight = m_root->MinHeight() + m_top + m_bottom;
    if (window.bottom - window.top < neededHeight) {
        if (edge == kTop || edge == kTopLeft || edge == kTopRight)
            window.top = window.bottom - neededHeight;
        else if (edge == kBottom || edge == kBottomLeft || edge == kBottomRight)
            window.bottom = window.top + neededHeight;
    }
    const int neededWidth = m_root->MinWidth() + m_left + m_right;
    if (window.right - window.left < neededWidth) {
        if (edge == kLeft || edge == kTopLeft || edge == kBottomLeft)
            window.left = window.right - neededWidth;
        else if (edge == kRight || edge == kTopRight || edge == kBottomRight)
            window.right = window.left + neededWidth;
    }
}
