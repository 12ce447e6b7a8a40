#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "FoldVenBrowser/catalogue/ListingSink.h"
#include "FoldVenBrowser/catalogue/ListingSource.h"
#include "FoldVenBrowser/catalogue/RemoteItem.h"
#include "FoldVenBrowser/catalogue/RemoteLocation.h"

// Every item fetched so far (m_all, in arrival order) and the items of the folder being shown (m_view,
// in display order). Listing replies arrive through IListingSink.
class CRemoteCatalog : public IListingSink {
public:
    CRemoteCatalog();

    // Where listings come from; without one every fetch fails.
    void SetListingSource(IListingSource* source) { m_source = source; }

    // Fetches loc's children, replacing those cached; the view takes them unless keepView.
    bool LoadChildren(CRemoteLocation& loc, bool keepView);
    // The view becomes folder's cached children: folders then files, each sorted by name without case;
    // at the root ".waste_basket" comes first.
    void ShowChildren(const CRemoteItem& folder);
    // Switches the view from cur to target; cur takes target unless target is the root. Another folder
    // opens at its first page; a page the cache does not hold is fetched.
    bool ShowFolder(CRemoteLocation& cur, const CRemoteLocation& target);
    // Moves loc to its parent and shows the parent's children. Going back is no new opening: loc takes
    // the page offset of the parent's cached page, the one shown.
    bool GoUp(CRemoteLocation& loc);
    // Shows loc's children, from the cache when it holds loc's page.
    bool Refresh(CRemoteLocation& loc);
    // The page offset the cached children of folder `id` were fetched with (0 when none were).
    std::int32_t CachedPageStart(std::int32_t id) const;

    void RemoveChildren(std::int32_t parentId);
    void SetListed(std::int32_t id, std::int32_t value, bool alsoInView);
    // Links the cached item at `index` to tree node `node`, and the view's first item under `parentId`
    // with the same name too.
    void SetTreeItem(std::size_t index, std::int32_t parentId, TreeItemHandle node);
    // The first cached item with that id, else the root record.
    CRemoteItem FindById(std::int32_t id) const;
    // Index in m_all of the first item shown by tree node h (copied to out), or -1.
    int FindByTreeItem(TreeItemHandle h, CRemoteItem& out) const;
    // Points loc at the first item of the view with exactly that name; false when there is none.
    bool SelectByName(CRemoteLocation& loc, const std::string& name) const;
    // Whether the view's item at that index is a folder; false for an index outside the view.
    bool IsFolderAt(std::size_t viewIndex) const;

    void AddReplyItem(const CRemoteItem& item, const CRemoteLocation& requested, bool keepView) override;
    void PartitionView() override;

    CRemoteItemArray m_all;
    CRemoteItemArray m_view;

private:
    // The view becomes the cached items that pass keep: folders then files, each in cache order.
    template <typename Keep>
    void ShowFromCache(Keep keep);

    // Whether the cache holds loc's children at loc's page offset. A paged folder's cache holds only
    // the page fetched last, which need not be the page asked for.
    bool HoldsPage(const CRemoteLocation& loc) const;

    IListingSource* m_source = nullptr;
    std::unordered_map<std::int32_t, std::int32_t> m_pageStart;
};
