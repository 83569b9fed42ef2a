<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>StringTable</name>
    <message>
        <source>IP Address</source>
        <comment>103</comment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <comment>104</comment>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>105</comment>
        <translation>Systemname</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>106</comment>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Refresh</source>
        <comment>107</comment>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>108</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>109</comment>
        <translation>Kabelgebunden</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>110</comment>
        <translation>Drahtlos</translation>
    </message>
    <message>
        <source>This application have to restart for switching the language. Would you like to continue ?</source>
        <comment>111</comment>
        <translation>Für den Sprachwechsel muss die Anwendung neu gestartet werden. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Configuration #1</source>
        <comment>112</comment>
        <translation>Konfiguration Nr. 1</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <comment>113</comment>
        <translation>Ungültige Portnummer</translation>
    </message>
    <message>
        <source>Are you sure to save the configuration ?</source>
        <comment>114</comment>
        <translation>Möchten Sie die Konfiguration wirklich speichern?</translation>
    </message>
    <message>
        <source>Failed to save the network information.</source>
        <comment>115</comment>
        <translation>Die Netzwerkinformationen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>117</comment>
        <translation>FEHLER BEI DER LÄNGE DES SYSTEMNAMENS</translation>
    </message>
    <message>
        <source>Wired</source>
        <comment>118</comment>
        <translation>Kabelgebunden</translation>
    </message>
    <message>
        <source>Wireless</source>
        <comment>119</comment>
        <translation>Drahtlos</translation>
    </message>
    <message>
        <source>The IP address cannot be used.</source>
        <comment>120</comment>
        <translation>Diese IP-Adresse kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>BSS Information</source>
        <comment>124</comment>
        <translation>BSS-Informationen</translation>
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
        <translation>WLAN-Modus</translation>
    </message>
    <message>
        <source>Security</source>
        <comment>128</comment>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>RSSI </source>
        <comment>129</comment>
        <translation>RSSI </translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>130</comment>
        <translation>Infrastruktur</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>131</comment>
        <translation>Ad-hoc</translation>
    </message>
    <message>
        <source>UNKNOWN</source>
        <comment>132</comment>
        <translation>UNBEKANNT</translation>
    </message>
    <message>
        <source>None</source>
        <comment>133</comment>
        <translation>Keine</translation>
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
        <translation>Konfiguration Nr. 2</translation>
    </message>
    <message>
        <source>Device Connection</source>
        <comment>146</comment>
        <translation>Geräteverbindung</translation>
    </message>
    <message>
        <source>No Available Ports</source>
        <comment>147</comment>
        <translation>Keine verfügbaren Anschlüsse</translation>
    </message>
    <message>
        <source>Even</source>
        <comment>148</comment>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Odd</source>
        <comment>149</comment>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>None</source>
        <comment>150</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Hardware</source>
        <comment>151</comment>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Xon/Xoff</source>
        <comment>152</comment>
        <translation>Xon/Xoff</translation>
    </message>
    <message>
        <source>None</source>
        <comment>153</comment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Network Configuration</source>
        <comment>156</comment>
        <translation>Netzwerkkonfiguration</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>157</comment>
        <translation>IP-Adresskonfiguration</translation>
    </message>
    <message>
        <source>Success to get the WLAN information.</source>
        <comment>160</comment>
        <translation>Die WLAN-Informationen wurden abgerufen.</translation>
    </message>
    <message>
        <source>Failed to get the WLAN information.</source>
        <comment>161</comment>
        <translation>Die WLAN-Informationen konnten nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>The changes have been applied. Please reset the printer.</source>
        <comment>162</comment>
        <translation>Die Änderungen wurden übernommen. Bitte setzen Sie den Drucker zurück.</translation>
    </message>
    <message>
        <source>Are you sure to save the new configuration?</source>
        <comment>163</comment>
        <translation>Möchten Sie die neue Konfiguration wirklich speichern?</translation>
    </message>
    <message>
        <source>Failed to save the new configuration information.</source>
        <comment>165</comment>
        <translation>Die neue Konfiguration konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>WLAN Basic Configuration</source>
        <comment>166</comment>
        <translation>WLAN-Grundkonfiguration</translation>
    </message>
    <message>
        <source>WLAN Mode</source>
        <comment>167</comment>
        <translation>WLAN-Modus</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <comment>168</comment>
        <translation>Infrastruktur</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <comment>169</comment>
        <translation>Ad-hoc</translation>
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
        <translation>Kanal</translation>
    </message>
    <message>
        <source>SSID</source>
        <comment>173</comment>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Enter a sequence of up to 32 letters.</source>
        <comment>174</comment>
        <translation>Geben Sie eine Folge von bis zu 32 Zeichen ein.</translation>
    </message>
    <message>
        <source>PIN Code</source>
        <comment>175</comment>
        <translation>PIN-Code</translation>
    </message>
    <message>
        <source>Enter 4 or 8 digits for PIN Code.</source>
        <comment>176</comment>
        <translation>Geben Sie 4 oder 8 Ziffern als PIN-Code ein.</translation>
    </message>
    <message>
        <source>WLAN Security Configuration</source>
        <comment>177</comment>
        <translation>WLAN-Sicherheitskonfiguration</translation>
    </message>
    <message>
        <source>Authentication</source>
        <comment>178</comment>
        <translation>Authentifizierung</translation>
    </message>
    <message>
        <source>Open System</source>
        <comment>179</comment>
        <translation>Offenes System</translation>
    </message>
    <message>
        <source>Shared Key</source>
        <comment>180</comment>
        <translation>Gemeinsamer Schlüssel</translation>
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
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>None</source>
        <comment>186</comment>
        <translation>Keine</translation>
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
        <translation>EAP-Modus</translation>
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
        <translation>PSK-Schlüssel</translation>
    </message>
    <message>
        <source>EAP ID</source>
        <comment>204</comment>
        <translation>EAP-ID</translation>
    </message>
    <message>
        <source>EAP Password</source>
        <comment>205</comment>
        <translation>EAP-Kennwort</translation>
    </message>
    <message>
        <source>IP Address Configuration</source>
        <comment>206</comment>
        <translation>IP-Adresskonfiguration</translation>
    </message>
    <message>
        <source>IP Address Assignment</source>
        <comment>207</comment>
        <translation>IP-Adresszuweisung</translation>
    </message>
    <message>
        <source>IP Address</source>
        <comment>208</comment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Manual</source>
        <comment>209</comment>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>DHCP</source>
        <comment>210</comment>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Subnet Mask</source>
        <comment>211</comment>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>GateWay</source>
        <comment>212</comment>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>Port Number</source>
        <comment>213</comment>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>System Information</source>
        <comment>214</comment>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <comment>215</comment>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <source>Update Date</source>
        <comment>216</comment>
        <translation>Aktualisierungsdatum</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <comment>217</comment>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <comment>218</comment>
        <translation>Systemkonfiguration</translation>
    </message>
    <message>
        <source>System Name</source>
        <comment>219</comment>
        <translation>Systemname</translation>
    </message>
    <message>
        <source>User ID</source>
        <comment>220</comment>
        <translation>Benutzer-ID</translation>
    </message>
    <message>
        <source>User Password</source>
        <comment>221</comment>
        <translation>Benutzerkennwort</translation>
    </message>
    <message>
        <source>Inactivity Time (Sec.)</source>
        <comment>222</comment>
        <translation>Inaktivitätszeit (s)</translation>
    </message>
    <message>
        <source>Wireless frequency</source>
        <comment>223</comment>
        <translation>Funkfrequenz</translation>
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
        <translation>2,4 GHz/5 GHz (Vorrang: 2,4 GHz)</translation>
    </message>
    <message>
        <source>2.4GHz/5Ghz (Priority: 5GHz)</source>
        <comment>227</comment>
        <translation>2,4 GHz/5 GHz (Vorrang: 5 GHz)</translation>
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
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>233</comment>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>SNMP</source>
        <comment>234</comment>
        <translation>SNMP</translation>
    </message>
    <message>
        <source>SNMP Community (Read)</source>
        <comment>235</comment>
        <translation>SNMP-Community (Lesen)</translation>
    </message>
    <message>
        <source>SNMP Community (Write)</source>
        <comment>236</comment>
        <translation>SNMP-Community (Schreiben)</translation>
    </message>
    <message>
        <source>SNMP Trap Community</source>
        <comment>237</comment>
        <translation>SNMP-Trap-Community</translation>
    </message>
    <message>
        <source>SNMP Trap IP Address</source>
        <comment>238</comment>
        <translation>SNMP-Trap-IP-Adresse</translation>
    </message>
    <message>
        <source>Certificate Upload</source>
        <comment>239</comment>
        <translation>Zertifikat hochladen</translation>
    </message>
    <message>
        <source>Certificate Type</source>
        <comment>240</comment>
        <translation>Zertifikattyp</translation>
    </message>
    <message>
        <source>Certificate File</source>
        <comment>241</comment>
        <translation>Zertifikatdatei</translation>
    </message>
    <message>
        <source>Are you sure to upload the certificate?</source>
        <comment>242</comment>
        <translation>Möchten Sie das Zertifikat wirklich hochladen?</translation>
    </message>
    <message>
        <source>Invalid Certificate.</source>
        <comment>243</comment>
        <translation>Ungültiges Zertifikat.</translation>
    </message>
    <message>
        <source>The certificate has been uploaded successfully.</source>
        <comment>244</comment>
        <translation>Das Zertifikat wurde erfolgreich hochgeladen.</translation>
    </message>
    <message>
        <source>Failed to upload the certificate.</source>
        <comment>245</comment>
        <translation>Das Zertifikat konnte nicht hochgeladen werden.</translation>
    </message>
    <message>
        <source>CA</source>
        <comment>246</comment>
        <translation>CA</translation>
    </message>
    <message>
        <source>Client Key</source>
        <comment>247</comment>
        <translation>Client-Schlüssel</translation>
    </message>
    <message>
        <source>Client PEM</source>
        <comment>248</comment>
        <translation>Client-PEM</translation>
    </message>
    <message>
        <source>PIN CODE LENGTH ERROR.</source>
        <comment>249</comment>
        <translation>FEHLER BEI DER LÄNGE DES PIN-CODES.</translation>
    </message>
    <message>
        <source>SSID LENGTH ERROR</source>
        <comment>250</comment>
        <translation>FEHLER BEI DER LÄNGE DER SSID</translation>
    </message>
    <message>
        <source>EAP ID LENGTH ERROR</source>
        <comment>251</comment>
        <translation>FEHLER BEI DER LÄNGE DER EAP-ID</translation>
    </message>
    <message>
        <source>EAP PASSWORD LENGTH ERROR</source>
        <comment>252</comment>
        <translation>FEHLER BEI DER LÄNGE DES EAP-KENNWORTS</translation>
    </message>
    <message>
        <source>PSK KEY LENGTH ERROR</source>
        <comment>253</comment>
        <translation>FEHLER BEI DER LÄNGE DES PSK-SCHLÜSSELS</translation>
    </message>
    <message>
        <source>PSK KEY VALUE ERROR</source>
        <comment>254</comment>
        <translation>UNGÜLTIGER WERT IM PSK-SCHLÜSSEL</translation>
    </message>
    <message>
        <source>WEP-64 KEY LENGTH ERROR</source>
        <comment>255</comment>
        <translation>FEHLER BEI DER LÄNGE DES WEP-64-SCHLÜSSELS</translation>
    </message>
    <message>
        <source>WEP-64  KEY VALUE ERROR</source>
        <comment>256</comment>
        <translation>UNGÜLTIGER WERT IM WEP-64-SCHLÜSSEL</translation>
    </message>
    <message>
        <source>WEP-128 KEY LENGTH ERROR</source>
        <comment>257</comment>
        <translation>FEHLER BEI DER LÄNGE DES WEP-128-SCHLÜSSELS</translation>
    </message>
    <message>
        <source>WEP-128  KEY VALUE ERROR</source>
        <comment>258</comment>
        <translation>UNGÜLTIGER WERT IM WEP-128-SCHLÜSSEL</translation>
    </message>
    <message>
        <source>SYSTEM NAME LENGTH ERROR</source>
        <comment>259</comment>
        <translation>FEHLER BEI DER LÄNGE DES SYSTEMNAMENS</translation>
    </message>
    <message>
        <source>USER ID LENGTH ERROR</source>
        <comment>260</comment>
        <translation>FEHLER BEI DER LÄNGE DER BENUTZER-ID</translation>
    </message>
    <message>
        <source>USER PASSWORD LENGTH ERROR</source>
        <comment>261</comment>
        <translation>FEHLER BEI DER LÄNGE DES BENUTZERKENNWORTS</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Read)</source>
        <comment>262</comment>
        <translation>Fehler bei der Länge des Community-Namens (Lesen)</translation>
    </message>
    <message>
        <source>Community Name LENGTH ERROR (Write)</source>
        <comment>263</comment>
        <translation>Fehler bei der Länge des Community-Namens (Schreiben)</translation>
    </message>
    <message>
        <source>Trap IP Address LENGTH ERROR</source>
        <comment>264</comment>
        <translation>Fehler bei der Länge der Trap-IP-Adresse</translation>
    </message>
    <message>
        <source>TRAP IP ADDRESS FORMAT ERROR</source>
        <comment>265</comment>
        <translation>FORMATFEHLER IN DER TRAP-IP-ADRESSE</translation>
    </message>
    <message>
        <source>Trap Community Name LENGTH ERROR</source>
        <comment>266</comment>
        <translation>Fehler bei der Länge des Trap-Community-Namens</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>267</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>268</comment>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>WEP-64 Key</source>
        <comment>269</comment>
        <translation>WEP-64-Schlüssel</translation>
    </message>
    <message>
        <source>WEP-128 Key</source>
        <comment>270</comment>
        <translation>WEP-128-Schlüssel</translation>
    </message>
    <message>
        <source>Protocol</source>
        <comment>271</comment>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Not Supported</source>
        <comment>272</comment>
        <translation>Nicht unterstützt</translation>
    </message>
    <message>
        <source>Failed to get the BSS information.</source>
        <comment>273</comment>
        <translation>Die BSS-Informationen konnten nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>Are you sure to perform a factory reset?</source>
        <comment>274</comment>
        <translation>Möchten Sie wirklich auf Werkseinstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>Certificate Name</source>
        <comment>275</comment>
        <translation>Zertifikatname</translation>
    </message>
    <message>
        <source>Failed to perform a factory reset.</source>
        <comment>276</comment>
        <translation>Das Zurücksetzen auf Werkseinstellungen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>SNMP Trap</source>
        <comment>277</comment>
        <translation>SNMP-Trap</translation>
    </message>
    <message>
        <source>NO NETWORK CONNECTION FOUND</source>
        <comment>279</comment>
        <translation>KEINE NETZWERKVERBINDUNG GEFUNDEN</translation>
    </message>
    <message>
        <source>Option</source>
        <comment>282</comment>
        <translation>Option</translation>
    </message>
    <message>
        <source>The subnet mask cannot be used: its one bits must come first, as in 255.255.255.0.</source>
        <comment>320</comment>
        <translation>Die Subnetzmaske kann nicht verwendet werden: Ihre Einsen müssen zusammenhängend am Anfang stehen, wie in 255.255.255.0.</translation>
    </message>
    <message>
        <source>The IP address cannot be used: it is the network or broadcast address of its subnet.</source>
        <comment>321</comment>
        <translation>Die IP-Adresse kann nicht verwendet werden: Sie ist die Netzwerk- oder Broadcast-Adresse ihres Subnetzes.</translation>
    </message>
    <message>
        <source>The gateway is outside the printer's subnet, so the printer may not reach it. Do you want to save all the same?</source>
        <comment>322</comment>
        <translation>Das Gateway liegt außerhalb des Subnetzes des Druckers, sodass der Drucker es möglicherweise nicht erreicht. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>No web browser could be started to open %s.</source>
        <comment>323</comment>
        <translation>Es konnte kein Webbrowser gestartet werden, um %s zu öffnen.</translation>
    </message>
    <message>
        <source>Your account may not open the serial port %1. Ask your administrator to add it to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>340</comment>
        <translation>Ihr Konto darf die serielle Schnittstelle %1 nicht öffnen. Bitten Sie Ihren Administrator, es der Gruppe „%2“ hinzuzufügen (sudo adduser %3 %2), und melden Sie sich danach ab und wieder an.</translation>
    </message>
    <message>
        <source>Your account may not open the USB printer at %1. Install Quorlink Tool's udev rule (60-quorlink.rules) and plug the printer in again, or ask your administrator to add your account to the group "%2" (sudo adduser %3 %2), then log out and log in again.</source>
        <comment>341</comment>
        <translation>Ihr Konto darf den USB-Drucker an %1 nicht öffnen. Installieren Sie die udev-Regel von Quorlink Tool (60-quorlink.rules) und stecken Sie den Drucker erneut ein, oder bitten Sie Ihren Administrator, Ihr Konto der Gruppe „%2“ hinzuzufügen (sudo adduser %3 %2), und melden Sie sich danach ab und wieder an.</translation>
    </message>
    <message>
        <source>%1 is in use by another program, perhaps a print job. Wait until it has finished or close that program, then try again.</source>
        <comment>342</comment>
        <translation>%1 wird von einem anderen Programm verwendet, vielleicht von einem Druckauftrag. Warten Sie, bis es fertig ist, oder schließen Sie dieses Programm, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>No printer answers on %1: the line's DSR signal is off. Check that the printer is switched on and that the cable is connected.</source>
        <comment>343</comment>
        <translation>Auf %1 antwortet kein Drucker: Das DSR-Signal der Leitung ist aus. Prüfen Sie, ob der Drucker eingeschaltet und das Kabel angeschlossen ist.</translation>
    </message>
    <message>
        <source>%1 is not there. Check that the printer is connected and switched on, then try again.</source>
        <comment>344</comment>
        <translation>%1 ist nicht vorhanden. Prüfen Sie, ob der Drucker angeschlossen und eingeschaltet ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <comment>345</comment>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool pause the print queue %1 (it asks for an administrator). Printing to that queue while the printer is being configured may interrupt the configuration. To allow pausing, an administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>346</comment>
        <translation>Der Druckserver erlaubt Quorlink Tool nicht, die Druckwarteschlange %1 anzuhalten (er verlangt einen Administrator). Ein Druckauftrag an diese Warteschlange während der Konfiguration des Druckers kann die Konfiguration unterbrechen. Damit das Anhalten möglich wird, kann ein Administrator Ihr Konto der Gruppe „lpadmin“ hinzufügen (sudo adduser %2 lpadmin); melden Sie sich danach ab und wieder an.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool add the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>510</comment>
        <translation>Der Druckserver erlaubt Quorlink Tool nicht, die Druckwarteschlange %1 anzulegen (er verlangt einen Administrator). Ein Administrator kann Ihr Konto der Gruppe „lpadmin“ hinzufügen (sudo adduser %2 lpadmin); melden Sie sich danach ab und wieder an.</translation>
    </message>
    <message>
        <source>The print server does not let Quorlink Tool change the print queue %1 (it asks for an administrator). An administrator can add your account to the group "lpadmin" (sudo adduser %2 lpadmin); then log out and log in again.</source>
        <comment>511</comment>
        <translation>Der Druckserver erlaubt Quorlink Tool nicht, die Druckwarteschlange %1 zu ändern (er verlangt einen Administrator). Ein Administrator kann Ihr Konto der Gruppe „lpadmin“ hinzufügen (sudo adduser %2 lpadmin); melden Sie sich danach ab und wieder an.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be added: %2</source>
        <comment>512</comment>
        <translation>Die Druckwarteschlange %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 with the driver %3.</source>
        <comment>513</comment>
        <translation>Die Druckwarteschlange %1 wurde für %2 mit dem Treiber %3 angelegt.</translation>
    </message>
    <message>
        <source>The print queue %1 was added for %2 as a raw queue: no driver of the printer's maker is installed, so programs must send the printer's own language.</source>
        <comment>514</comment>
        <translation>Die Druckwarteschlange %1 wurde für %2 als Rohdaten-Warteschlange angelegt: Es ist kein Treiber des Druckerherstellers installiert, daher müssen Programme die eigene Sprache des Druckers senden.</translation>
    </message>
    <message>
        <source>Add print queue…</source>
        <comment>515</comment>
        <translation>Druckwarteschlange hinzufügen…</translation>
    </message>
    <message>
        <source>Add print queue</source>
        <comment>516</comment>
        <translation>Druckwarteschlange hinzufügen</translation>
    </message>
    <message>
        <source>Name of the new print queue for the printer %1:</source>
        <comment>517</comment>
        <translation>Name der neuen Druckwarteschlange für den Drucker %1:</translation>
    </message>
    <message>
        <source>A queue name has 1 to 127 characters and no spaces or / \ # ' " ,</source>
        <comment>518</comment>
        <translation>Ein Warteschlangenname hat 1 bis 127 Zeichen und keine Leerzeichen oder / \ # ' " ,</translation>
    </message>
    <message>
        <source>These print queues reach the printer at its old address %1:
%2
Point them at the new address %3?</source>
        <comment>519</comment>
        <translation>Diese Druckwarteschlangen erreichen den Drucker unter seiner alten Adresse %1:
%2
Sollen sie auf die neue Adresse %3 zeigen?</translation>
    </message>
    <message>
        <source>The print queue %1 now prints to %2.</source>
        <comment>520</comment>
        <translation>Die Druckwarteschlange %1 druckt jetzt auf %2.</translation>
    </message>
    <message>
        <source>The print queue %1 could not be changed: %2</source>
        <comment>521</comment>
        <translation>Die Druckwarteschlange %1 konnte nicht geändert werden: %2</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255, separated by dots</source>
        <comment>420</comment>
        <translation>Vier Zahlen von 0 bis 255, durch Punkte getrennt</translation>
    </message>
    <message>
        <source>Printer pages</source>
        <comment>421</comment>
        <translation>Druckerseiten</translation>
    </message>
    <message>
        <source>Printer settings</source>
        <comment>422</comment>
        <translation>Druckereinstellungen</translation>
    </message>
    <message>
        <source>Printers found</source>
        <comment>423</comment>
        <translation>Gefundene Drucker</translation>
    </message>
    <message>
        <source>Icon</source>
        <comment>424</comment>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>read-only</source>
        <comment>425</comment>
        <translation>schreibgeschützt</translation>
    </message>
    <message>
        <source>changed</source>
        <comment>426</comment>
        <translation>geändert</translation>
    </message>
    <message>
        <source>F4 opens the dialog</source>
        <comment>427</comment>
        <translation>F4 öffnet den Dialog</translation>
    </message>
    <message>
        <source>Filter</source>
        <comment>550</comment>
        <translation>Filter</translation>
    </message>
    <message>
        <source>%1 of %2 printers</source>
        <comment>551</comment>
        <translation>%1 von %2 Druckern</translation>
    </message>
    <message>
        <source>Export…</source>
        <comment>552</comment>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>553</comment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy IP Address</source>
        <comment>554</comment>
        <translation>IP-Adresse kopieren</translation>
    </message>
    <message>
        <source>Copy MAC Address</source>
        <comment>555</comment>
        <translation>MAC-Adresse kopieren</translation>
    </message>
    <message>
        <source>All printers (%1)…</source>
        <comment>556</comment>
        <translation>Alle Drucker (%1)…</translation>
    </message>
    <message>
        <source>Printers shown (%1)…</source>
        <comment>557</comment>
        <translation>Angezeigte Drucker (%1)…</translation>
    </message>
    <message>
        <source>CSV files</source>
        <comment>558</comment>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>The list could not be written to %1: %2.</source>
        <comment>559</comment>
        <translation>Die Liste konnte nicht in %1 geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Enter a port number from 0 to 32767.</source>
        <comment>590</comment>
        <translation>Geben Sie eine Portnummer von 0 bis 32767 ein.</translation>
    </message>
    <message>
        <source>Enter an inactivity time from 0 to 3600 seconds.</source>
        <comment>591</comment>
        <translation>Geben Sie eine Inaktivitätszeit von 0 bis 3600 Sekunden ein.</translation>
    </message>
    <message>
        <source>Printers found so far: %1</source>
        <comment>490</comment>
        <translation>Bisher gefundene Drucker: %1</translation>
    </message>
    <message>
        <source>%1 to %2 bytes</source>
        <comment>470</comment>
        <translation>%1 bis %2 Bytes</translation>
    </message>
    <message>
        <source>up to %1 bytes</source>
        <comment>471</comment>
        <translation>bis zu %1 Bytes</translation>
    </message>
    <message>
        <source>4 or 8 digits</source>
        <comment>472</comment>
        <translation>4 oder 8 Ziffern</translation>
    </message>
    <message>
        <source>8 to 63 ASCII characters</source>
        <comment>473</comment>
        <translation>8 bis 63 ASCII-Zeichen</translation>
    </message>
    <message>
        <source>%1 letters, digits, "-" or "_", or %2 hexadecimal digits</source>
        <comment>474</comment>
        <translation>%1 Buchstaben, Ziffern, „-“ oder „_“, oder %2 Hexadezimalziffern</translation>
    </message>
    <message>
        <source>an IPv4 address: four numbers from 0 to 255 joined by three dots</source>
        <comment>475</comment>
        <translation>eine IPv4-Adresse: vier Zahlen von 0 bis 255, durch drei Punkte getrennt</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate. Upload it anyway?</source>
        <comment>476</comment>
        <translation>%1 ist weder ein PEM- noch ein DER-Zertifikat. Trotzdem hochladen?</translation>
    </message>
    <message>
        <source>%1 is neither a PEM nor a DER certificate.</source>
        <comment>477</comment>
        <translation>%1 ist weder ein PEM- noch ein DER-Zertifikat.</translation>
    </message>
    <message>
        <source>The WLAN (Advanced) page holds changes that have not been saved to the printer or a file. They are lost when the application restarts.</source>
        <comment>430</comment>
        <translation>Die Seite „WLAN (erweitert)“ enthält Änderungen, die weder im Drucker noch in einer Datei gespeichert wurden. Sie gehen beim Neustart der Anwendung verloren.</translation>
    </message>
    <message>
        <source>Quorlink Tool</source>
        <comment>57344</comment>
        <translation>Quorlink Tool</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <comment>61715</comment>
        <translation>Geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <comment>61720</comment>
        <translation>Geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
</context>
<context>
    <name>CVRXPageBasicSetting</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>LAN/WLAN</source>
        <translation>LAN/WLAN</translation>
    </message>
    <message>
        <source>LAN/WLAN Configuration</source>
        <translation>LAN/WLAN-Konfiguration</translation>
    </message>
    <message>
        <source>Printer Network Information</source>
        <translation>Netzwerkinformationen des Druckers</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Launch Browser</source>
        <translation>Browser öffnen</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC-Adresse:</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Portnummer:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CVRXPageNetConnectionSetting</name>
    <message>
        <source>Network Configuration</source>
        <translation>Netzwerkkonfiguration</translation>
    </message>
    <message>
        <source>IP Address Assignment </source>
        <translation>IP-Adresszuweisung </translation>
    </message>
    <message>
        <source>Port Number</source>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Inactivity Time</source>
        <translation>Inaktivitätszeit</translation>
    </message>
    <message>
        <source>System Name</source>
        <translation>Systemname</translation>
    </message>
    <message>
        <source>DHCP (Dynamic Host Configuration Protocol)</source>
        <translation>DHCP (Dynamic Host Configuration Protocol)</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Portnummer:</translation>
    </message>
    <message>
        <source>[0 - 32767]</source>
        <translation>[0 - 32767]</translation>
    </message>
    <message>
        <source>Inactivity Time:</source>
        <translation>Inaktivitätszeit:</translation>
    </message>
    <message>
        <source>[0 - 3600] sec.</source>
        <translation>[0 - 3600] Sek.</translation>
    </message>
    <message>
        <source>System Name:</source>
        <translation>Systemname:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvBssList</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvConnectDevice</name>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>SERIAL</source>
        <translation>SERIELL</translation>
    </message>
    <message>
        <source>Port Settings</source>
        <translation>Anschlusseinstellungen</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Anschluss:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>Parity:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>Stop Bits:</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>Flow Control:</source>
        <translation>Flusssteuerung:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvIpConfig</name>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>IP Address:</source>
        <translation>IP-Adresse:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>GateWay:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanAdvSetting</name>
    <message>
        <source>WLAN (Advanced)</source>
        <translation>WLAN (erweitert)</translation>
    </message>
    <message>
        <source>WLAN Configuration</source>
        <translation>WLAN-Konfiguration</translation>
    </message>
    <message>
        <source>Save as a file</source>
        <translation>Als Datei speichern</translation>
    </message>
    <message>
        <source>File Open</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CVRXPageWLanPwSetting</name>
    <message>
        <source>Show Password</source>
        <translation>Kennwort anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CVRXSearchDlg</name>
    <message>
        <source>Search for</source>
        <translation>Suche nach</translation>
    </message>
</context>
<context>
    <name>CVRXWaitingDlg</name>
    <message>
        <source>Waiting for</source>
        <translation>Warten auf</translation>
    </message>
</context>
<context>
    <name>CVrxQuorlink2ndDlg</name>
    <message>
        <source>Copyright © HALDA. All rights reserved.</source>
        <translation>Copyright © HALDA. Alle Rechte vorbehalten.</translation>
    </message>
</context>
</TS>
