#include "FoldVenBrowser/catalogue/RemoteCatalog.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FoldVenBrowser/catalogue/NameCompare.h"

namespace {

// The root record has parentId 0 like the root's children; no folder is its own child.
bool IsChildOf(const CRemoteItem& item, std::int32_t folderId) {
    return item.parentId == folderId && item.id != folderId;
}

// How far ahead records, and then their names (which need the record itself), are fetched.
constexpr std::size_t kRecordAhead = 8;
constexpr std::size_t kNameAhead = 2;

void PrefetchRecord(const CRemoteItem& item) {
    const char* bytes = reinterpret_cast<const char*>(&item);
    for (std::size_t offset = 0; offset < sizeof(CRemoteItem); offset += 64)
        __builtin_prefetch(bytes + offset);
}

// A child of the folder being shown. Its name's sort key lies in a buffer shared by all children; its
// first 24 bytes are also held here as big-endian numbers (zero after the key's end), so that most
// comparisons are decided without reaching into the buffer.
struct SortEntry {
    std::uint64_t head[3];
    std::size_t keyOffset;
    std::size_t keyLength;
    const CRemoteItem* item;
};

SortEntry MakeEntry(const std::string& keys, std::size_t offset, const CRemoteItem* item) {
    SortEntry entry{{0, 0, 0}, offset, keys.size() - offset, item};
    const std::size_t n = std::min<std::size_t>(entry.keyLength, sizeof(entry.head));
    for (std::size_t i = 0; i < n; ++i)
        entry.head[i / 8] |= std::uint64_t{static_cast<unsigned char>(keys[offset + i])}
                             << (56 - 8 * (i % 8));
    return entry;
}

void SortByName(std::vector<SortEntry>& entries, const std::string& keys) {
    const char* base = keys.data();
    std::stable_sort(entries.begin(), entries.end(), [base](const SortEntry& a, const SortEntry& b) {
        for (int i = 0; i < 3; ++i) {
            if (a.head[i] != b.head[i])
                return a.head[i] < b.head[i];
        }
        return std::string_view(base + a.keyOffset, a.keyLength) <
               std::string_view(base + b.keyOffset, b.keyLength);
    });
}

}  // namespace

CRemoteCatalog::CRemoteCatalog() {
    m_all.push_back(CRemoteLocation().ToItem());
}

void CRemoteCatalog::AddReplyItem(const CRemoteItem& item, const CRemoteLocation& requested, bool keepView) {
    m_all.push_back(item);
    if (!keepView && item.parentId == requested.id)
        m_view.push_back(item);
}

void CRemoteCatalog::PartitionView() {
    std::stable_partition(m_view.begin(), m_view.end(),
                          [](const CRemoteItem& item) { return item.size < 0; });
}

bool CRemoteCatalog::LoadChildren(CRemoteLocation& loc, bool keepView) {
    RemoveChildren(loc.id);
    m_pageStart.erase(loc.id);
    if (!keepView)
        m_view.clear();
    if (m_source == nullptr || !m_source->RequestListing(*this, loc, keepView))
        return false;
    loc.listed = 1;
    SetListed(loc.id, 1, false);
    if (loc.start != 0)
        m_pageStart[loc.id] = loc.start;
    return true;
}

std::int32_t CRemoteCatalog::CachedPageStart(std::int32_t id) const {
    const auto found = m_pageStart.find(id);
    return found == m_pageStart.end() ? 0 : found->second;
}

bool CRemoteCatalog::HoldsPage(const CRemoteLocation& loc) const {
    return loc.IsListed() && CachedPageStart(loc.id) == loc.start;
}

void CRemoteCatalog::ShowChildren(const CRemoteItem& folder) {
    const std::int32_t id = folder.id;  // folder may be an element of the view being replaced
    const bool atRoot = folder.level == 0;
    // One pass over the cache gathers the children and their sort keys while each record is at hand.
    std::string keys;
    std::vector<SortEntry> folders;
    std::vector<SortEntry> files;
    for (const CRemoteItem& item : m_all) {
        if (!IsChildOf(item, id))
            continue;
        const std::size_t offset = keys.size();
        AppendSortKey(keys, item.name);
        (item.IsFile() ? files : folders).push_back(MakeEntry(keys, offset, &item));
    }
    SortByName(folders, keys);
    if (atRoot) {
        auto basket = std::find_if(folders.rbegin(), folders.rend(), [](const SortEntry& entry) {
            return entry.item->name == ".waste_basket";
        });
        if (basket != folders.rend())
            std::iter_swap(folders.begin(), basket);
    }
    SortByName(files, keys);

    // Assigning over the previous view reuses its strings' buffers. Records are read in name order,
    // scattered over the cache, so each is fetched a few records ahead.
    m_view.resize(folders.size() + files.size());
    std::size_t k = 0;
    for (const std::vector<SortEntry>* group : {&folders, &files}) {
        const std::size_t n = group->size();
        for (std::size_t i = 0; i < n; ++i) {
            if (i + kRecordAhead < n)
                PrefetchRecord(*(*group)[i + kRecordAhead].item);
            if (i + kNameAhead < n)
                __builtin_prefetch((*group)[i + kNameAhead].item->name.data());
            m_view[k++] = *(*group)[i].item;
        }
    }
}

template <typename Keep>
void CRemoteCatalog::ShowFromCache(Keep keep) {
    m_view.clear();
    for (const CRemoteItem& item : m_all) {
        if (keep(item) && !item.IsFile())
            m_view.push_back(item);
    }
    for (const CRemoteItem& item : m_all) {
        if (keep(item) && item.IsFile())
            m_view.push_back(item);
    }
}

bool CRemoteCatalog::ShowFolder(CRemoteLocation& cur, const CRemoteLocation& target) {
    // The folder already shown stays as it is, unless the page shown is not cur's.
    const bool sameFolder = cur.id == target.id;
    if (sameFolder && CachedPageStart(cur.id) == cur.start)
        return true;
    m_view.clear();
    // The root is loaded on a copy: cur keeps its place (the caller moves it) and a folder that cur
    // still names must not be fetched in the root's stead.
    CRemoteLocation root;
    if (target.IsRoot())
        root = target;
    CRemoteLocation& shown = target.IsRoot() ? root : cur;
    if (!target.IsRoot()) {
        cur.CopyFrom(target);
        if (!sameFolder)
            cur.start = 0;  // another folder opens at its first page
    }
    if (!HoldsPage(shown)) {
        LoadChildren(shown, false);
        return true;
    }
    const std::int32_t id = target.id;
    ShowFromCache([id](const CRemoteItem& item) { return IsChildOf(item, id); });
    return true;
}

bool CRemoteCatalog::GoUp(CRemoteLocation& loc) {
    const std::int32_t parentId = loc.parentId;
    std::int32_t level = loc.level;
    if (loc.level < 1) {
        loc.Reset();
        level = 1;
    } else {
        loc.SetFromItem(FindById(loc.parentId));
        loc.start = CachedPageStart(loc.id);
    }
    m_view.clear();
    if (m_all.empty()) {
        LoadChildren(loc, false);
        return true;
    }
    const auto sibling = [parentId, level](const CRemoteItem& item) {
        return item.level == level && item.parentId == parentId;
    };
    ShowFromCache(sibling);
    if (m_view.empty() && LoadChildren(loc, true))
        ShowFromCache(sibling);
    return true;
}

bool CRemoteCatalog::Refresh(CRemoteLocation& loc) {
    m_view.clear();
    if (m_all.empty() || !HoldsPage(loc))
        return LoadChildren(loc, false);
    ShowChildren(loc.ToItem());
    return true;
}

void CRemoteCatalog::RemoveChildren(std::int32_t parentId) {
    m_all.erase(std::remove_if(m_all.begin(), m_all.end(),
                               [parentId](const CRemoteItem& item) { return item.parentId == parentId; }),
                m_all.end());
}

void CRemoteCatalog::SetTreeItem(std::size_t index, std::int32_t parentId, TreeItemHandle node) {
    CRemoteItem& item = m_all[index];
    item.treeItem = node;
    for (CRemoteItem& shown : m_view) {
        if (shown.parentId == parentId && shown.name == item.name) {
            shown.treeItem = node;
            break;
        }
    }
}

void CRemoteCatalog::SetListed(std::int32_t id, std::int32_t value, bool alsoInView) {
    const auto hasId = [id](const CRemoteItem& item) { return item.id == id; };
    auto inAll = std::find_if(m_all.begin(), m_all.end(), hasId);
    if (inAll != m_all.end())
        inAll->listed = value;
    if (!alsoInView)
        return;
    auto inView = std::find_if(m_view.begin(), m_view.end(), hasId);
    if (inView != m_view.end())
        inView->listed = value;
}

CRemoteItem CRemoteCatalog::FindById(std::int32_t id) const {
    for (const CRemoteItem& item : m_all) {
        if (item.id == id)
            return item;
    }
    return CRemoteLocation().ToItem();
}

int CRemoteCatalog::FindByTreeItem(TreeItemHandle h, CRemoteItem& out) const {
    if (h == 0)
        return -1;  // items without a node carry 0
    for (std::size_t i = 0; i < m_all.size(); ++i) {
        if (m_all[i].treeItem == h) {
            out = m_all[i];
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CRemoteCatalog::SelectByName(CRemoteLocation& loc, const std::string& name) const {
    for (const CRemoteItem& item : m_view) {
        if (item.name == name) {
            loc.SetFromItem(item);
            return true;
        }
    }
    return false;
}

bool CRemoteCatalog::IsFolderAt(std::size_t viewIndex) const {
    return viewIndex < m_view.size() && m_view[viewIndex].size < 0;
}
