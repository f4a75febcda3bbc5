// The assets library holds only Qt resources; this unit gives it a body.
namespace tarnwick_assets {
int anchor = 0;
}
