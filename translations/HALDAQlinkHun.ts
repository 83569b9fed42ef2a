<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>MAC-cím</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>Rendszernév</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>Frissítés</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>Vezetékes</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>Vezeték nélküli</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>A nyelv váltásához az alkalmazást újra kell indítani. Folytatja?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>1. konfiguráció</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>Érvénytelen portszám</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>Biztosan menti a konfigurációt?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>A hálózati adatok mentése nem sikerült.</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>HIBÁS RENDSZERNÉV-HOSSZ</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>Vezetékes</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>Vezeték nélküli</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>Ez az IP-cím nem használható.</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <comment>124</comment>
        <translation>BSS-információk</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>125</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>BSSID</source>
        <comment>126</comment>
        <translation>BSSID</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>127</comment>
        <translation>WLAN mód</translation>
    </message>
    <message>
        <source>Security</source>
        <comment>128</comment>
        <translation>Biztonság</translation>
    </message>
    <message>
        <source>RSSI </source>
        <comment>129</comment>
        <translation>RSSI </translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>130</comment>
        <translation>Infrastruktúra</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>131</comment>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>132</comment>
        <translation>ISMERETLEN</translation>
    </message>
    <message>
        <source>None</source>
        <comment>133</comment>
        <translation>Nincs</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>134</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>135</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>WEP-64/WEP-128</source>
        <comment>136</comment>
        <translation>WEP-64/WEP-128</translation>
    </message>
    <message>
        <source>WPA</source>
        <comment>137</comment>
        <translation>WPA</translation>
    </message>
    <message>
        <source>WPA2</source>
        <comment>138</comment>
        <translation>WPA2</translation>
    </message>
    <message>
        <source>WPA/WPA2</source>
        <comment>139</comment>
        <translation>WPA/WPA2</translation>
    </message>
    <message>
        <source>Configuration #2</source>
        <comment>145</comment>
        <translation>2. konfiguráció</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>146</comment>
        <translation>Eszközkapcsolat</translation>
    </message>
    <message>
        <source>No Available Ports</source>
        <comment>147</comment>
        <translation>Nincs elérhető port</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>148</comment>
        <translation>Páros</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>149</comment>
        <translation>Páratlan</translation>
    </message>
    <message>
        <source>None</source>
        <comment>150</comment>
        <translation>Nincs</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>151</comment>
        <translation>Hardveres</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <comment>152</comment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>None</source>
        <comment>153</comment>
        <translation>Nincs</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>Hálózati konfiguráció</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>IP-cím konfigurációja</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>A WLAN-adatok lekérése sikerült.</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>A WLAN-adatok lekérése nem sikerült.</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>A módosítások életbe léptek. Indítsa újra a nyomtatót.</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>Biztosan menti az új konfigurációt?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>Az új konfiguráció mentése nem sikerült.</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>WLAN alapkonfiguráció</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>167</comment>
        <translation>WLAN mód</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>168</comment>
        <translation>Infrastruktúra</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>169</comment>
        <translation>Ad hoc</translation>
    </message>
    <message>
        <source>Wi-Fi Direct</source>
        <comment>170</comment>
        <translation>Wi-Fi Direct</translation>
    </message>
    <message>
        <source>Soft AP</source>
        <comment>171</comment>
        <translation>Soft AP</translation>
    </message>
    <message>
        <source>Channel</source>
        <comment>172</comment>
        <translation>Csatorna</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>173</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>Legfeljebb 32 karaktert adjon meg.</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <comment>175</comment>
        <translation>PIN-kód</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>A PIN-kódhoz 4 vagy 8 számjegyet adjon meg.</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>WLAN biztonsági konfiguráció</translation>
    </message>
    <message>
        <source>Authentication</source>
        <comment>178</comment>
        <translation>Hitelesítés</translation>
    </message>
    <message>
        <source>Open System</source>
        <comment>179</comment>
        <translation>Nyílt rendszer</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <comment>180</comment>
        <translation>Megosztott kulcs</translation>
    </message>
    <message>
        <source>WPA-PSK</source>
        <comment>181</comment>
        <translation>WPA-PSK</translation>
    </message>
    <message>
        <source>WPA2-PSK</source>
        <comment>182</comment>
        <translation>WPA2-PSK</translation>
    </message>
    <message>
        <source>WPA-EAP</source>
        <comment>183</comment>
        <translation>WPA-EAP</translation>
    </message>
    <message>
        <source>WPA2-EAP</source>
        <comment>184</comment>
        <translation>WPA2-EAP</translation>
    </message>
    <message>
        <source>Encryption</source>
        <comment>185</comment>
        <translation>Titkosítás</translation>
    </message>
    <message>
        <source>None</source>
        <comment>186</comment>
        <translation>Nincs</translation>
    </message>
    <message>
        <source>WEP-64</source>
        <comment>187</comment>
        <translation>WEP-64</translation>
    </message>
    <message>
        <source>WEP-128</source>
        <comment>188</comment>
        <translation>WEP-128</translation>
    </message>
    <message>
        <source>TKIP</source>
        <comment>189</comment>
        <translation>TKIP</translation>
    </message>
    <message>
        <source>AES</source>
        <comment>190</comment>
        <translation>AES</translation>
    </message>
    <message>
        <source>AES + TKIP</source>
        <comment>191</comment>
        <translation>AES + TKIP</translation>
    </message>
    <message>
        <source>EAP Mode</source>
        <comment>192</comment>
        <translation>EAP mód</translation>
    </message>
    <message>
        <source>EAP-PEAP</source>
        <comment>194</comment>
        <translation>EAP-PEAP</translation>
    </message>
    <message>
        <source>EAP-TTLS</source>
        <comment>195</comment>
        <translation>EAP-TTLS</translation>
    </message>
    <message>
        <source>EAP-TLS</source>
        <comment>196</comment>
        <translation>EAP-TLS</translation>
    </message>
    <message>
        <source>EAP-LEAP</source>
        <comment>197</comment>
        <translation>EAP-LEAP</translation>
    </message>
    <message>
        <source>EAP-FAST</source>
        <comment>198</comment>
        <translation>EAP-FAST</translation>
    </message>
    <message>
        <source>PSK Key</source>
        <comment>199</comment>
        <translation>PSK-kulcs</translation>
    </message>
    <message>
        <source>EAP ID</source>
        <comment>204</comment>
        <translation>EAP-azonosító</translation>
    </message>
    <message>
        <source>EAP Password</source>
        <comment>205</comment>
        <translation>EAP-jelszó</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>IP-cím konfigurációja</translation>
    </message>
    <message>
        <source>IP Address Assignment</source>
        <comment>207</comment>
        <translation>IP-cím kiosztása</translation>
    </message>
    <message>
        <source>IP Address</source>
        <comment>208</comment>
        <translation>IP-cím</translation>
    </message>
    <message>
        <source>Manual</source>
        <comment>209</comment>
        <translation>Kézi</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>210</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <comment>211</comment>
        <translation>Alhálózati maszk</translation>
    </message>
    <message>
        <source>GateWay</source>
        <comment>212</comment>
        <translation>Átjáró</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>213</comment>
        <translation>Portszám</translation>
    </message>
    <message>
        <source>System Information</source>
        <comment>214</comment>
        <translation>Rendszerinformációk</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <comment>215</comment>
        <translation>Firmware-verzió</translation>
    </message>
    <message>
        <source>Update Date</source>
        <comment>216</comment>
        <translation>Frissítés dátuma</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <comment>217</comment>
        <translation>MAC-cím</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <comment>218</comment>
        <translation>Rendszerkonfiguráció</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>219</comment>
        <translation>Rendszernév</translation>
    </message>
    <message>
        <source>User ID</source>
        <comment>220</comment>
        <translation>Felhasználói azonosító</translation>
    </message>
    <message>
        <source>User Password</source>
        <comment>221</comment>
        <translation>Felhasználói jelszó</translation>
    </message>
    <message>
        <source>Inactivity Time (Sec.)</source>
        <comment>222</comment>
        <translation>Inaktivitási idő (mp)</translation>
    </message>
    <message>
        <source>Wireless frequency</source>
        <comment>223</comment>
        <translation>Vezeték nélküli frekvencia</translation>
    </message>
    <message>
        <source>2.4GHz</source>
        <comment>224</comment>
        <translation>2.4GHz</translation>
    </message>
    <message>
        <source>5GHz</source>
        <comment>225</comment>
        <translation>5GHz</translation>
    </message>
    <message>
        <source>2.4GHz/5GHz (Priority: 2.4GHz)</source>
        <comment>226</comment>
        <translation>2,4 GHz/5 GHz (elsőbbség: 2,4 GHz)</translation>
    </message>
    <message>
        <source>2.4GHz/5Ghz (Priority: 5GHz)</source>
        <comment>227</comment>
        <translation>2,4 GHz/5 GHz (elsőbbség: 5 GHz)</translation>
    </message>
    <message>
        <source>HTTPS</source>
        <comment>228</comment>
        <translation>HTTPS</translation>
    </message>
    <message>
        <source>TELNET</source>
        <comment>229</comment>
        <translation>TELNET</translation>
    </message>
    <message>
        <source>FTP</source>
        <comment>230</comment>
        <translation>FTP</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>231</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>232</comment>
        <translation>Letiltás</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>233</comment>
        <translation>Engedélyezés</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>234</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>SNMP Community (Read)</source>
        <comment>235</comment>
        <translation>SNMP-közösség (olvasás)</translation>
    </message>
    <message>
        <source>SNMP Community (Write)</source>
        <comment>236</comment>
        <translation>SNMP-közösség (írás)</translation>
    </message>
    <message>
        <source>SNMP Trap Community</source>
        <comment>237</comment>
        <translation>SNMP-trap közösség</translation>
    </message>
    <message>
        <source>SNMP Trap IP Address</source>
        <comment>238</comment>
        <translation>SNMP-trap IP-címe</translation>
    </message>
    <message>
        <source>Certificate Upload</source>
        <comment>239</comment>
        <translation>Tanúsítvány feltöltése</translation>
    </message>
    <message>
        <source>Certificate Type</source>
        <comment>240</comment>
        <translation>Tanúsítvány típusa</translation>
    </message>
    <message>
        <source>Certificate File</source>
        <comment>241</comment>
        <translation>Tanúsítványfájl</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>Biztosan feltölti a tanúsítványt?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>Érvénytelen tanúsítvány.</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>A tanúsítvány feltöltése sikerült.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>A tanúsítvány feltöltése nem sikerült.</translation>
    </message>
    <message>
        <source>CA</source>
        <comment>246</comment>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <comment>247</comment>
        <translation>Ügyfélkulcs</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <comment>248</comment>
        <translation>Ügyfél PEM</translation>
    </message>
    <message>
        <source>PIN CODE LENGTH ERROR.</source>
        <comment>249</comment>
        <translation>HIBÁS PIN-KÓD-HOSSZ.</translation>
    </message>
    <message>
        <source>SSID LENGTH ERROR</source>
        <comment>250</comment>
        <translation>HIBÁS SSID-HOSSZ</translation>
    </message>
    <message>
        <source>EAP ID LENGTH ERROR</source>
        <comment>251</comment>
        <translation>HIBÁS EAP-AZONOSÍTÓ-HOSSZ</translation>
    </message>
    <message>
        <source>EAP PASSWORD LENGTH ERROR</source>
        <comment>252</comment>
        <translation>HIBÁS EAP-JELSZÓHOSSZ</translation>
    </message>
    <message>
        <source>PSK KEY LENGTH ERROR</source>
        <comment>253</comment>
        <translation>HIBÁS PSK-KULCSHOSSZ</translation>
    </message>
    <message>
        <source>PSK KEY VALUE ERROR</source>
        <comment>254</comment>
        <translation>HIBÁS PSK-KULCSÉRTÉK</translation>
    </message>
    <message>
        <source>WEP-64 KEY LENGTH ERROR</source>
        <comment>255</comment>
        <translation>HIBÁS WEP-64-KULCSHOSSZ</translation>
    </message>
    <message>
        <source>WEP-64  KEY VALUE ERROR</source>
        <comment>256</comment>
        <translation>HIBÁS WEP-64-KULCSÉRTÉK</translation>
    </message>
    <message>
        <source>WEP-128 KEY LENGTH ERROR</source>
        <comment>257</comment>
        <translation>HIBÁS WEP-128-KULCSHOSSZ</translation>
    </message>
    <message>
        <source>WEP-128  KEY VALUE ERROR</source>
        <comment>258</comment>
        <translation>HIBÁS WEP-128-KULCSÉRTÉK</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>259</comment>
        <translation>HIBÁS RENDSZERNÉV-HOSSZ</translation>
    </message>
    <message>
        <source>USER ID LENGTH ERROR</source>
        <comment>260</comment>
        <translation>HIBÁS FELHASZNÁLÓAZONOSÍTÓ-HOSSZ</translation>
    </message>
    <message>
        <source>USER PASSWORD LENGTH ERROR</source>
        <comment>261</comment>
        <translation>HIBÁS FELHASZNÁLÓIJELSZÓ-HOSSZ</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Read)</source>
        <comment>262</comment>
        <translation>Hibás közösségnévhossz (olvasás)</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Write)</source>
        <comment>263</comment>
        <translation>Hibás közösségnévhossz (írás)</translation>
    </message>
    <message>
        <source>Trap IP Address LENGTH ERROR</source>
        <comment>264</comment>
        <translation>Hibás trap IP-cím-hossz</translation>
    </message>
    <message>
        <source>TRAP IP ADDRESS FORMAT ERROR</source>
        <comment>265</comment>
        <translation>HIBÁS TRAP IP-CÍM-FORMÁTUM</translation>
    </message>
    <message>
        <source>Trap Community Name LENGTH ERROR</source>
        <comment>266</comment>
        <translation>Hibás trap közösségnévhossz</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>WEP-64 Key</source>
        <comment>269</comment>
        <translation>WEP-64 kulcs</translation>
    </message>
    <message>
        <source>WEP-128 Key</source>
        <comment>270</comment>
        <translation>WEP-128 kulcs</translation>
    </message>
    <message>
        <source>Protocol</source>
        <comment>271</comment>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>Nem támogatott</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>A BSS-adatok lekérése nem sikerült.</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>Biztosan visszaállítja a gyári beállításokat?</translation>
    </message>
    <message>
        <source>Certificate Name</source>
        <comment>275</comment>
        <translation>Tanúsítvány neve</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>A gyári beállítások visszaállítása nem sikerült.</translation>
    </message>
    <message>
        <source>SNMP Trap</source>
        <comment>277</comment>
        <translation>SNMP-trap</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>NEM TALÁLHATÓ HÁLÓZATI KAPCSOLAT</translation>
    </message>
    <message>
        <source>Option</source>
        <comment>282</comment>
        <translation>Opció</translation>
    </message>
    <message>
        <source>The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0.</source>
        <comment>320</comment>
        <translation>Ez az alhálózati maszk nem használható: az 1-es bitjeinek kell elöl állniuk, mint a 255.255.255.0 esetében.</translation>
    </message>
    <message>
        <source>The IP address cannot be used: it is the network or broadcast address of its subnet.</source>
        <comment>321</comment>
        <translation>Ez az IP-cím nem használható: az alhálózatának hálózati vagy szórási címe.</translation>
    </message>
    <message>
        <source>The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save all the same?</source>
        <comment>322</comment>
        <translation>Az átjáró a nyomtató alhálózatán kívül esik, így a nyomtató esetleg nem éri el. Mégis menti?</translation>
    </message>
    <message>
        <source>No web browser could be started to open %s.</source>
        <comment>323</comment>
        <translation>Nem sikerült webböngészőt indítani a(z) %s megnyitásához.</translation>
    </message>
    <message>
        <source>Your account may not open the serial port %1. Ask your administrator to add it to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>340</comment>
        <translation>A fiókja nem nyithatja meg a(z) %1 soros portot. Kérje meg a rendszergazdát, hogy vegye fel a(z) „%2” csoportba (sudo adduser %3 %2), majd jelentkezzen ki, és jelentkezzen be újra.</translation>
    </message>
    <message>
        <source>Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule (60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>341</comment>
        <translation>A fiókja nem nyithatja meg a(z) %1 USB-nyomtatót. Telepítse a Quorlink Tool udev-szabályát (60-quorlink.rules), és csatlakoztassa újra a nyomtatót, vagy kérje meg a rendszergazdát, hogy vegye fel a fiókját a(z) „%2” csoportba (sudo adduser %3 %2), majd jelentkezzen ki, és jelentkezzen be újra.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a print job. Wait until it has finished or close that program, then try again.</source>
        <comment>342</comment>
        <translation>A(z) %1 eszközt egy másik program használja, talán egy nyomtatási feladat. Várja meg, amíg befejeződik, vagy zárja be azt a programot, majd próbálja újra.</translation>
    </message>
    <message>
        <source>No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and that the cable is connected.</source>
        <comment>343</comment>
        <translation>A(z) %1 vonalon egyetlen nyomtató sem válaszol: a vonal DSR-jele ki van kapcsolva. Ellenőrizze, hogy a nyomtató be van-e kapcsolva, és a kábel csatlakoztatva van-e.</translation>
    </message>
    <message>
        <source>%1 is not there. Check that the printer is connected and switched on, then try again.</source>
        <comment>344</comment>
        <translation>A(z) %1 nem található. Ellenőrizze, hogy a nyomtató csatlakoztatva és bekapcsolva van-e, majd próbálja újra.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>345</comment>
        <translation>A(z) %1 nem nyitható meg: %2.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool pause the print queue %1 (it asks for an administrator). Printing to that queue while the printer is being configured may interrupt the configuration. To allow pausing, an administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>346</comment>
        <translation>A nyomtatókiszolgáló nem engedi, hogy a Quorlink Tool szüneteltesse a(z) %1 nyomtatási sort (rendszergazdát kér). Ha a nyomtató konfigurálása közben erre a sorra nyomtatnak, az megszakíthatja a konfigurálást. A szüneteltetés engedélyezéséhez egy rendszergazda felveheti a fiókját az „lpadmin” csoportba (sudo adduser %2 lpadmin); ezután jelentkezzen ki, és jelentkezzen be újra.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>510</comment>
        <translation>A nyomtatószerver nem engedi, hogy a Quorlink Tool hozzáadja a(z) %1 nyomtatási sort (rendszergazdát kér). Egy rendszergazda hozzáadhatja fiókját az „lpadmin” csoporthoz (sudo adduser %2 lpadmin); ezután jelentkezzen ki, majd be.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool change the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>511</comment>
        <translation>A nyomtatószerver nem engedi, hogy a Quorlink Tool módosítsa a(z) %1 nyomtatási sort (rendszergazdát kér). Egy rendszergazda hozzáadhatja fiókját az „lpadmin” csoporthoz (sudo adduser %2 lpadmin); ezután jelentkezzen ki, majd be.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be added: %2</source>
        <comment>512</comment>
        <translation>A(z) %1 nyomtatási sort nem sikerült hozzáadni: %2</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 with the driver %3.</source>
        <comment>513</comment>
        <translation>A(z) %1 nyomtatási sor hozzáadva a következőhöz: %2, illesztőprogram: %3.</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, so programs must send the printer's own language.</source>
        <comment>514</comment>
        <translation>A(z) %1 nyomtatási sor nyers sorként lett hozzáadva a következőhöz: %2. A nyomtató gyártójának illesztőprogramja nincs telepítve, ezért a programoknak a nyomtató saját nyelvén kell küldeniük.</translation>
    </message>
    <message>
        <source>Add print queue…</source>
        <comment>515</comment>
        <translation>Nyomtatási sor hozzáadása…</translation>
    </message>
    <message>
        <source>Add print queue</source>
        <comment>516</comment>
        <translation>Nyomtatási sor hozzáadása</translation>
    </message>
    <message>
        <source>Name of the new print queue for the printer %1:</source>
        <comment>517</comment>
        <translation>Az új nyomtatási sor neve a(z) %1 nyomtatóhoz:</translation>
    </message>
    <message>
        <source>A queue name has 1 to 127 characters and no spaces or / \ # ' " ,</source>
        <comment>518</comment>
        <translation>A sor neve 1–127 karakter, szóköz és / \ # ' " , nélkül</translation>
    </message>
    <message>
        <source>These print queues reach the printer at its old address %1:
%2
Point them at the new address %3?</source>
        <comment>519</comment>
        <translation>Ezek a nyomtatási sorok a nyomtatót a régi címén (%1) érik el:
%2
Átirányítsa őket az új címre (%3)?</translation>
    </message>
    <message>
        <source>The print queue %1 now prints to %2.</source>
        <comment>520</comment>
        <translation>A(z) %1 nyomtatási sor mostantól ide nyomtat: %2.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be changed: %2</source>
        <comment>521</comment>
        <translation>A(z) %1 nyomtatási sort nem sikerült módosítani: %2</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255, separated by dots</source>
        <comment>420</comment>
        <translation>Négy szám 0 és 255 között, pontokkal elválasztva</translation>
    </message>
    <message>
        <source>Printer pages</source>
        <comment>421</comment>
        <translation>Nyomtatóoldalak</translation>
    </message>
    <message>
        <source>Printer settings</source>
        <comment>422</comment>
        <translation>Nyomtatóbeállítások</translation>
    </message>
    <message>
        <source>Printers found</source>
        <comment>423</comment>
        <translation>Talált nyomtatók</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>424</comment>
        <translation>Ikon</translation>
    </message>
    <message>
        <source>read-only</source>
        <comment>425</comment>
        <translation>csak olvasható</translation>
    </message>
    <message>
        <source>changed</source>
        <comment>426</comment>
        <translation>módosítva</translation>
    </message>
    <message>
        <source>F4 opens the dialog</source>
        <comment>427</comment>
        <translation>Az F4 megnyitja a párbeszédablakot</translation>
    </message>
    <message>
        <source>Filter</source>
        <comment>550</comment>
        <translation>Szűrő</translation>
    </message>
    <message>
        <source>%1 of %2 printers</source>
        <comment>551</comment>
        <translation>%1 / %2 nyomtató</translation>
    </message>
    <message>
        <source>Export…</source>
        <comment>552</comment>
        <translation>Exportálás…</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>553</comment>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <comment>554</comment>
        <translation>IP-cím másolása</translation>
    </message>
    <message>
        <source>Copy MAC Address</source>
        <comment>555</comment>
        <translation>MAC-cím másolása</translation>
    </message>
    <message>
        <source>All printers (%1)…</source>
        <comment>556</comment>
        <translation>Minden nyomtató (%1)…</translation>
    </message>
    <message>
        <source>Printers shown (%1)…</source>
        <comment>557</comment>
        <translation>Megjelenített nyomtatók (%1)…</translation>
    </message>
    <message>
        <source>CSV files</source>
        <comment>558</comment>
        <translation>CSV-fájlok</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2.</source>
        <comment>559</comment>
        <translation>A lista nem írható ide: %1: %2.</translation>
    </message>
    <message>
        <source>Enter a port number from 0 to 32767.</source>
        <comment>590</comment>
        <translation>Adjon meg egy portszámot 0 és 32767 között.</translation>
    </message>
    <message>
        <source>Enter an inactivity time from 0 to 3600 seconds.</source>
        <comment>591</comment>
        <translation>Adjon meg egy inaktivitási időt 0 és 3600 másodperc között.</translation>
    </message>
    <message>
        <source>Printers found so far: %1</source>
        <comment>490</comment>
        <translation>Eddig talált nyomtatók: %1</translation>
    </message>
    <message>
        <source>%1 to %2 bytes</source>
        <comment>470</comment>
        <translation>%1–%2 bájt</translation>
    </message>
    <message>
        <source>up to %1 bytes</source>
        <comment>471</comment>
        <translation>legfeljebb %1 bájt</translation>
    </message>
    <message>
        <source>4 or 8 digits</source>
        <comment>472</comment>
        <translation>4 vagy 8 számjegy</translation>
    </message>
    <message>
        <source>8 to 63 ASCII characters</source>
        <comment>473</comment>
        <translation>8–63 ASCII-karakter</translation>
    </message>
    <message>
        <source>%1 letters, digits, "-" or "_", or %2 hexadecimal digits</source>
        <comment>474</comment>
        <translation>%1 betű, számjegy, „-” vagy „_”, vagy %2 hexadecimális számjegy</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by three dots</source>
        <comment>475</comment>
        <translation>IPv4-cím: négy 0 és 255 közötti szám, három ponttal elválasztva</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate. Upload it anyway?</source>
        <comment>476</comment>
        <translation>A(z) %1 sem PEM, sem DER tanúsítvány. Feltölti mégis?</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate.</source>
        <comment>477</comment>
        <translation>A(z) %1 sem PEM, sem DER tanúsítvány.</translation>
    </message>
    <message>
        <source>The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. They are lost when the application restarts.</source>
        <comment>430</comment>
        <translation>A „WLAN (speciális)” oldal olyan módosításokat tartalmaz, amelyek nincsenek mentve sem a nyomtatóba, sem fájlba. Az alkalmazás újraindításakor elvesznek.</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <comment>61715</comment>
        <translation>Adjon meg egy pozitív egész számot.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment>61720</comment>
        <translation>Legfeljebb %1 karaktert adjon meg.</translation>
    </message>
</context>
<context>
    <name>CVRXPageBasicSetting</name>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>LAN/WLAN</source>
        <translation>LAN/WLAN</translation>
    </message>
    <message>
        <source>LAN/WLAN Configuration</source>
        <translation>LAN/WLAN konfiguráció</translation>
    </message>
    <message>
        <source>Printer Network Information</source>
        <translation>A nyomtató hálózati adatai</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguráció</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>Böngésző megnyitása</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC-cím:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-cím:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Alhálózati maszk:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Átjáró:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Portszám:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>CVRXPageNetConnectionSetting</name>
    <message>
        <source>Network Configuration</source>
        <translation>Hálózati konfiguráció</translation>
    </message>
    <message>
        <source>IP Address Assignment </source>
        <translation>IP-cím kiosztása </translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Portszám</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Inaktivitási idő</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>Rendszernév</translation>
    </message>
    <message>
        <source>DHCP (Dynamic Host Configuration Protocol)</source>
        <translation>DHCP (Dynamic Host Configuration Protocol)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Kézi</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-cím:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Alhálózati maszk:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Átjáró:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Portszám:</translation>
    </message>
    <message>
        <source>[0 - 32767]</source>
        <translation>[0 - 32767]</translation>
    </message>
    <message>
        <source>Inactivity Time:</source>
        <translation>Inaktivitási idő:</translation>
    </message>
    <message>
        <source>[0 - 3600] sec.</source>
        <translation>[0 - 3600] mp</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>Rendszernév:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvBssList</name>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvConnectDevice</name>
    <message>
        <source>Interface</source>
        <translation>Interfész</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation>SOROS</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Port beállításai</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Átviteli sebesség:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Adatbitek:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Paritás:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Stopbitek:</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>Átvitelvezérlés:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Csatlakozás</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvIpConfig</name>
    <message>
        <source>Network</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-cím:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Alhálózati maszk:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Átjáró:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvSetting</name>
    <message>
        <source>WLAN (Advanced)</source>
        <translation>WLAN (speciális)</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN-konfiguráció</translation>
    </message>
    <message>
        <source>Save as a file</source>
        <translation>Mentés fájlba</translation>
    </message>
    <message>
        <source>File Open</source>
        <translation>Fájl megnyitása</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Gyári visszaállítás</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Bontás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanPwSetting</name>
    <message>
        <source>Show Password</source>
        <translation>Jelszó megjelenítése</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>CVRXSearchDlg</name>
    <message>
        <source>Search for</source>
        <translation>Keresés:</translation>
    </message>
</context>
<context>
    <name>CVRXWaitingDlg</name>
    <message>
        <source>Waiting for</source>
        <translation>Várakozás:</translation>
    </message>
</context>
<context>
    <name>CVrxQuorlink2ndDlg</name>
    <message>
        <source>Copyright © HALDA. All rights reserved.</source>
        <translation>Copyright © HALDA. Minden jog fenntartva.</translation>
    </message>
</context>
</TS>
