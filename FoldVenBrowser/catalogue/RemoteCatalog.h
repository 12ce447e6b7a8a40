#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

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
    // Switches the view from cur to target; cur takes target unless target is the root.
    bool ShowFolder(CRemoteLocation& cur, const CRemoteLocation& target);
    // Moves loc to its parent and shows the parent's children.
    bool GoUp(CRemoteLocation& loc);
    // Shows loc's children, from the cache when loc is listed.
    bool Refresh(CRemoteLocation& loc);

    void RemoveChildren(std::int32_t parentId);
    void SetListed(std::int32_t id, std::int32_t value, bool alsoInView);
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

    IListingSource* m_source = nullptr;
};
