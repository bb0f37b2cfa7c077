/* Stands in for an advertising library that keeps the player open. */
__attribute__((visibility("default"))) int libads_show(void* owner, const unsigned short* name,
                                                       const unsigned short* url) {
    (void)owner;
    (void)name;
    (void)url;
    return 2;
}
