ldifde -i -k -h -f c:\addusers.ldf
