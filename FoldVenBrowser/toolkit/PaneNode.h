#pragma once

// The split tree of a pane dialog: each node divides its rectangle between two children, side by side
// or stacked, with a 5-pixel bar between them. Portable: windows are reached through IPaneWindow.

struct PaneRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool IsEmpty() const { return right <= left || bottom <= top; }
};

// A panel window as the layout sees it.
class IPaneWindow {
public:
    virtual ~IPaneWindow() = default;
    virtual int CurrentWidth() const = 0;
    virtual int CurrentHeight() const = 0;
    // Moves and resizes the window and redraws it at once.
    virtual void MoveTo(int x, int y, int width, int height) = 0;
};

class CPaneNode {
public:
    static constexpr int kBar = 5;
    enum Kind : unsigned { kEmpty = 0, kNode = 1, kWindow = 2 };
    enum Orientation : unsigned { kStacked = 0, kSideBySide = 1 };

    struct Child {
        Kind kind = kEmpty;
        CPaneNode* node = nullptr;  // owned when kind is kNode
        IPaneWindow* window = nullptr;
        int minWidth = 0;
        int minHeight = 0;
        unsigned visible = 1;  // for a window child
    };

    CPaneNode() = default;
    CPaneNode(const CPaneNode&) = delete;
    CPaneNode& operator=(const CPaneNode&) = delete;
    ~CPaneNode();

    int MinWidth() const;
    int MinHeight() const;
    // Lays the node out at (x, y) with size (w, h) and its second-child chain after it.
    void Layout(int x, int y, int w, int h);

    Child first;
    Child second;
    unsigned orientation = kSideBySide;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    unsigned visible = 1;
    PaneRect barRect;
    unsigned barEnabled = 1;

private:
    static bool IsShown(const Child& child);
    static int ChildMinWidth(const Child& child);
    static int ChildMinHeight(const Child& child);
    // Width (side by side) or height (stacked) of the first window reached through the first children.
    int CurrentFirstSize() const;
    // One node of the chain; returns the next node to lay out (the second child when it is a node).
    CPaneNode* LayoutOne(int& nx, int& ny, int& nw, int& nh);
};

// The root node and the margins around it, in client pixels of the dialog.
class CPaneTree {
public:
    CPaneTree() = default;
    CPaneTree(const CPaneTree&) = delete;
    CPaneTree& operator=(const CPaneTree&) = delete;
    ~CPaneTree() { delete m_root; }

    // side 1 = first child of parent, 2 = second; without a parent the node becomes the root and is laid
    // out over the whole client area.
    CPaneNode* CreateNode(unsigned orientation, CPaneNode* parent, int side, bool barEnabled, int clientWidth,
                          int clientHeight);
    static void AttachWindow(CPaneNode* node, IPaneWindow* window, int side, int minWidth, int minHeight);

    void SetPaneRect(PaneRect rect, int clientWidth, int clientHeight);
    void SetTopEdge(int top, int clientWidth, int clientHeight);
    void SetLeftEdge(int left, int clientWidth, int clientHeight);
    void SetRightMargin(int right, int clientWidth, int clientHeight);
    void SetBottomMargin(int bottom, int clientWidth, int clientHeight);
    void Relayout();
    // WM_SIZE: the root fills the client area less the margins.
    void OnSize(int clientWidth, int clientHeight);
    // WM_SIZING: adjusts the proposed window rectangle for the edge being dragged (WMSZ_ codes 1-8).
    void AdjustSizing(int edge, PaneRect& window) const;

    CPaneNode* Root() const { return m_root; }
    int LeftMargin() const { return m_left; }
    int TopMargin() const { return m_top; }
    int RightMargin() const { return m_right; }
    int BottomMargin() const { return m_bottom; }

    static constexpr int kMinWindowWidth = 899;
    static constexpr int kMinWindowHeight = 525;

private:
    CPaneNode* m_root = nullptr;
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
};
